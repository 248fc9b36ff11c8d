// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/ModelCatalogue.h"

TRadioModel::TRadioModel(std::string identifier, int channelCount, std::string name)
    : Identifier(std::move(identifier)), Name(std::move(name)), ChannelCount(channelCount)
{
}

void TRadioModel::SetBandLimit(int band, double low, double high)
{
    BandLimit[band] = {low, high};
    BandEditable[band] = {1, 1};
}

void TRadioModel::SetBandDefault(int band, uint8_t lowEditable, uint8_t highEditable, double low, double high)
{
    BandDefault[band] = {low, high};
    BandEditable[band] = {lowEditable, highEditable};
}

void TRadioModel::SetBandMasks(uint8_t supported, uint8_t defaults, uint8_t choice)
{
    SupportedBands = supported;
    DefaultBands = defaults;
    BandChoice = choice;
}

TBand TRadioModel::GetBandLimit(int band) const
{
    return BandLimit[band];
}

TBand TRadioModel::GetBandDefault(int band) const
{
    return BandDefault[band];
}

std::pair<uint8_t, uint8_t> TRadioModel::GetBandEditable(int band) const
{
    return BandEditable[band];
}

TBand TRadioModel::GetBandRange(int band, bool useLimits) const
{
    return useLimits ? BandLimit[band] : BandDefault[band];
}

void TModelCatalogue::Add(std::unique_ptr<TRadioModel> model)
{
    Models.push_back(std::move(model));
}

int TModelCatalogue::Count() const
{
    return static_cast<int>(Models.size());
}

const TRadioModel* TModelCatalogue::GetModel(int position) const
{
    if (position < 0 || position >= Count())
        return nullptr;
    return Models[static_cast<size_t>(position)].get();
}

const TRadioModel* TModelCatalogue::FindByName(const std::string& name) const
{
    for (const auto& model : Models)
        if (model->Name == name)
            return model.get();
    return nullptr;
}

const TRadioModel* TModelCatalogue::FindById(const std::string& id) const
{
    for (const auto& model : Models)
        if (model->Identifier == id)
            return model.get();
    return nullptr;
}

void TModelCatalogue::FillNames(std::vector<std::string>& list) const
{
    list.clear();
    for (const auto& model : Models)
        list.push_back(model->Name);
}

void AddBuiltInModel(TAppState& all, TModelCatalogue& list)
{
    all.SerialEditable = false;
    all.AppTitle = "QB-H52";
    all.BuiltInModelId = "LP47";
    all.BaudRate = 4800;
    all.FmMinLimit = 76.0;
    all.FmMaxLimit = 107.0;
    all.TestEnabled = true;

    auto model = std::make_unique<TRadioModel>("LP47", 128, all.AppTitle);
    model->SetBandLimit(0, 400.0, 520.0);
    model->SetBandLimit(1, 134.0, 176.0);
    model->SetBandLimit(2, 200.0, 260.0);
    model->SetBandLimit(3, 320.0, 400.0);
    model->SetBandDefault(0, 1, 1, 400.0, 480.0);
    model->SetBandDefault(1, 1, 1, 136.0, 174.0);
    model->SetBandDefault(2, 1, 1, 245.0, 246.0);
    model->SetBandDefault(3, 1, 1, 350.0, 400.0);
    model->SetBandMasks(0x3F, 0x45, 1);
    list.Add(std::move(model));
}
