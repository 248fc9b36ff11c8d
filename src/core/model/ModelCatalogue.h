// SPDX-License-Identifier: GPL-3.0-or-later
// The model catalogue: the radio models the program can program.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/model/AppState.h"

class TRadioModel
{
  public:
    TRadioModel(std::string identifier, int channelCount, std::string name);

    void SetBandLimit(int band, double low, double high);
    void SetBandDefault(int band, uint8_t lowEditable, uint8_t highEditable, double low, double high);
    void SetBandMasks(uint8_t supported, uint8_t defaults, uint8_t choice);
    TBand GetBandLimit(int band) const;
    TBand GetBandDefault(int band) const;
    std::pair<uint8_t, uint8_t> GetBandEditable(int band) const;
    TBand GetBandRange(int band, bool useLimits) const;

    std::string Identifier;
    std::string Name;
    int32_t ChannelCount = 0;
    std::array<TBand, 4> BandLimit{};
    std::array<TBand, 4> BandDefault{};
    std::array<std::pair<uint8_t, uint8_t>, 4> BandEditable{};
    uint8_t SupportedBands = 0;
    uint8_t DefaultBands = 0;
    uint8_t BandChoice = 0;
};

class TModelCatalogue
{
  public:
    void Add(std::unique_ptr<TRadioModel> model);
    int Count() const;
    // nullptr past the end.
    const TRadioModel* GetModel(int position) const;
    const TRadioModel* FindByName(const std::string& name) const;
    const TRadioModel* FindById(const std::string& id) const;
    void FillNames(std::vector<std::string>& list) const;

  private:
    std::vector<std::unique_ptr<TRadioModel>> Models;
};

// Defines the built-in QB-H52 model in the catalogue and sets the state values that go with it.
void AddBuiltInModel(TAppState& all, TModelCatalogue& list);
