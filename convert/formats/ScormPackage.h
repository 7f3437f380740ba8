#pragma once
// A test as a SCORM 1.2 package, the ZIP every learning platform takes: its manifest
// (imsmanifest.xml) names one course of one lesson, the quiz page (index.html), which is the page
// the .html format writes; inside a platform that page reports the answers, the score and passed
// or failed, and where there is none it runs as it does from a disk.

#include "convert/formats/Format.h"

#include <string>

class ScormPackage {
public:
    static constexpr const char* kPageName = "index.html";

    // The manifest for the test's name (UTF-8), as UTF-8.
    static std::string Manifest(const std::string& testName);
};

// .zip: written only, from a test.
extern const Format kScormPackageFormat;
