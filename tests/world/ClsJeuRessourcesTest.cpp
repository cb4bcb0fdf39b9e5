#include "world/ClsJeuRessources.h"

#include <gtest/gtest.h>

namespace {

TEST(ClsJeuRessources, VisibleWhileSomethingIsLeft) {
    ClsJeuRessources gisement;
    gisement.Quantite = 0.0;
    EXPECT_FALSE(gisement.Visible());
    gisement.Quantite = 0.001;
    EXPECT_TRUE(gisement.Visible());
}

}  // namespace
