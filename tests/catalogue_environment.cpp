#include <gtest/gtest.h>

#include "catalogue/catalogue.h"

namespace {

// The program fills the catalogue once at start-up; so do the tests.
class CatalogueEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        zova::LoadCatalogue();
    }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new CatalogueEnvironment);

}  // namespace
