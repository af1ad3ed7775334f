// Shared fixture and checks for the end-to-end cases.
#ifndef QUILLORN_E2E_END_TO_END_H
#define QUILLORN_E2E_END_TO_END_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Harness.h"

extern const char kPreviousDevice[];
extern const char kUsage[];

// Each case starts from a known default printer and removes the printers it added.
class EndToEnd : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    void Add(const std::string& name, const std::string& description);

private:
    std::vector<std::string> added_;
};

// Exit status 0, exactly this box (or none) with this type, and nothing
// else: no broadcast and "device" unchanged unless updatedTo is given.
::testing::AssertionResult Showed(const Outcome& run, const char* text, const char* type);
::testing::AssertionResult UpdatedTo(const Outcome& run, const std::string& device);

#endif
