// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/model/CoreState.h"

TEST(Catalogue, BuiltInModel)
{
    TAppState all;
    TModelCatalogue list;
    InitState(all, list, "/x/");
    ASSERT_EQ(list.Count(), 1);
    const TRadioModel* model = list.FindById("LP47");
    ASSERT_NE(model, nullptr);
    EXPECT_EQ(model->Name, "QB-H52");
    EXPECT_EQ(model->ChannelCount, 128);
    EXPECT_EQ(list.FindById("lp47"), nullptr);
    EXPECT_EQ(list.FindByName("QB-H52"), model);
    EXPECT_EQ(list.FindByName("qb-h52"), nullptr);
    EXPECT_EQ(list.GetModel(0), model);
    EXPECT_EQ(list.GetModel(1), nullptr);
    EXPECT_EQ(list.GetModel(-1), nullptr);
    EXPECT_EQ(model->GetBandRange(2, true).Low, 200.0);
    EXPECT_EQ(model->GetBandRange(2, true).High, 260.0);
    EXPECT_EQ(model->GetBandRange(2, false).Low, 245.0);
    EXPECT_EQ(model->GetBandRange(2, false).High, 246.0);
    EXPECT_EQ(model->SupportedBands, 0x3F);
    EXPECT_EQ(model->DefaultBands, 0x45);
    EXPECT_EQ(model->BandChoice, 1);
    EXPECT_EQ(model->GetBandEditable(3), std::make_pair(uint8_t(1), uint8_t(1)));

    std::vector<std::string> names{"old", "lines"};
    list.FillNames(names);
    EXPECT_EQ(names, std::vector<std::string>{"QB-H52"});
}

TEST(Catalogue, SetBandDefaultOverridesEditableFlags)
{
    TRadioModel model("ABCD", 16, "Test");
    EXPECT_EQ(model.GetBandEditable(0), std::make_pair(uint8_t(0), uint8_t(0)));
    model.SetBandLimit(0, 1.0, 2.0);
    EXPECT_EQ(model.GetBandEditable(0), std::make_pair(uint8_t(1), uint8_t(1)));
    model.SetBandDefault(0, 0, 1, 1.5, 1.8);
    EXPECT_EQ(model.GetBandEditable(0), std::make_pair(uint8_t(0), uint8_t(1)));
    EXPECT_EQ(model.GetBandDefault(0).Low, 1.5);
}

TEST(StartUpState, InitStateResetsEverything)
{
    TAppState all;
    TModelCatalogue list;
    all.Modified = true;
    all.ModelName = "stale";
    all.Image[100] = 7;
    list.Add(std::make_unique<TRadioModel>("XXXX", 1, "Other"));
    InitState(all, list, "/app/");
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(all.AppDir, "/app/");
    EXPECT_FALSE(all.Modified);
    EXPECT_TRUE(all.ModelName.empty());
    EXPECT_EQ(all.Image[100], 0);
    EXPECT_EQ(all.CurrentChannel, 1);
    EXPECT_TRUE(all.DtmfDecode);
    EXPECT_TRUE(all.LanguageSelectable);
    // The built-in model's values win over the plain start-up values.
    EXPECT_EQ(all.BaudRate, 4800);
    EXPECT_EQ(all.FmMinLimit, 76.0);
    EXPECT_EQ(all.FmMaxLimit, 107.0);
    EXPECT_TRUE(all.TestEnabled);
    EXPECT_FALSE(all.SerialEditable);
    EXPECT_EQ(all.AppTitle, "QB-H52");
    EXPECT_EQ(all.BuiltInModelId, "LP47");
}
