#pragma once
// A file that cannot be opened, read or written, with its cause in Czech (UTF-8). The file access
// throws it; the command turns it into a refusal that names the file.

#include <stdexcept>
#include <string>

class FileAccessError : public std::runtime_error {
public:
    explicit FileAccessError(const std::string& reason) : std::runtime_error(reason) {}
};
