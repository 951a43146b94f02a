// Distinct system colours for every test of the program, so that each drawing rule's
// colour can be told from the others; the user's colours come back at the end.
#include <gtest/gtest.h>

#include "control_test_support.h"

namespace {

class ColoursEnvironment : public ::testing::Environment {
public:
    void SetUp() override { colours_ = std::make_unique<plivora::testing_support::SystemColours>(); }
    void TearDown() override { colours_.reset(); }

private:
    std::unique_ptr<plivora::testing_support::SystemColours> colours_;
};

const ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new ColoursEnvironment);

}  // namespace
