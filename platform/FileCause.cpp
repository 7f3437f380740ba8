#include "platform/FileCause.h"

#include "platform/ProgramMessages.h"

std::string FileCause::Describe(int cause, const std::string& fileName) {
    const ProgramMessage* message = &ProgramMessages::kFileError;
    switch (cause) {
    case fileNotFound:
        message = &ProgramMessages::kFileNotFound;
        break;
    case badPath:
        message = &ProgramMessages::kBadPath;
        break;
    case accessDenied:
        message = &ProgramMessages::kAccessDenied;
        break;
    case sharingViolation:
        message = &ProgramMessages::kSharingViolation;
        break;
    case diskFull:
        message = &ProgramMessages::kDiskFull;
        break;
    default:
        break;
    }
    std::string text = message->text;
    return text.replace(text.find("%s"), 2, fileName);
}
