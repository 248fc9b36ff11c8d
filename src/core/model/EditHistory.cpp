// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/EditHistory.h"

#include "core/model/Derivations.h"
#include "core/model/SettingsTable.h"

TEditState EditStateOf(const TAppState& all)
{
    return TEditState{all.Image, all.ModelId};
}

void RestoreEditState(TAppState& all, const TModelCatalogue& list, const TEditState& state)
{
    all.Image = state.Image;
    all.ModelId = state.ModelId;
    SelectModel(all, list, all.ModelId, false);
    all.ManualFreq = static_cast<uint8_t>(GetSetting(all, TSetting::ManualFreq));
    DeriveBands(all, list);
}

TEditHistory::TEditHistory(size_t depth) : Depth(depth == 0 ? 1 : depth)
{
    Steps.push_back({});
}

void TEditHistory::Reset(const TEditState& state, bool saved)
{
    Steps.clear();
    Steps.push_back({state, {}});
    Position = 0;
    Saved = saved ? std::optional<size_t>(0) : std::nullopt;
}

bool TEditHistory::Record(const TEditState& state, const std::string& caption)
{
    if (state == Current())
        return false;
    Steps.erase(Steps.begin() + static_cast<std::ptrdiff_t>(Position) + 1, Steps.end());
    if (Saved && *Saved > Position)
        Saved.reset();
    Steps.push_back({state, caption});
    ++Position;
    if (Steps.size() > Depth + 1) {
        Steps.pop_front();
        --Position;
        if (Saved)
            Saved = *Saved == 0 ? std::nullopt : std::optional<size_t>(*Saved - 1);
    }
    return true;
}

bool TEditHistory::CanUndo() const
{
    return Position > 0;
}

bool TEditHistory::CanRedo() const
{
    return Position + 1 < Steps.size();
}

std::string TEditHistory::UndoCaption() const
{
    return CanUndo() ? Steps[Position].Caption : std::string();
}

std::string TEditHistory::RedoCaption() const
{
    return CanRedo() ? Steps[Position + 1].Caption : std::string();
}

const TEditState& TEditHistory::Undo()
{
    if (CanUndo())
        --Position;
    return Current();
}

const TEditState& TEditHistory::Redo()
{
    if (CanRedo())
        ++Position;
    return Current();
}

const TEditState& TEditHistory::Current() const
{
    return Steps[Position].State;
}

void TEditHistory::MarkSaved()
{
    Saved = Position;
}

bool TEditHistory::AtSaved() const
{
    return Saved == Position;
}

size_t TEditHistory::UndoCount() const
{
    return Position;
}

size_t TEditHistory::MemoryUsage() const
{
    size_t bytes = 0;
    for (const TStep& step : Steps)
        bytes += sizeof(TStep) + step.State.ModelId.capacity() + step.Caption.capacity();
    return bytes;
}
