#pragma once
// The program's own test file (.tst), read and written by the storage's codec: what every other
// format is converted from or to.

#include "convert/formats/Format.h"

extern const Format kTestFileFormat;
