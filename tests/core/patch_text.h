#pragma once

#include <gtest/gtest.h>

#include <string>

#include "patch/patch_reader.h"

namespace rw::testing {

// A patch a test wrote as text, read as the file `name`: a text the reader refuses fails the test.
inline Patch ReadPatchOrFail(const std::string& text, const std::string& name = "p.vkp") {
    Patch patch;
    const Status status = ReadPatchText(text, name, &patch);
    EXPECT_TRUE(status.ok()) << status.Line(kEnglish) << "\n" << text;
    return patch;
}

}  // namespace rw::testing
