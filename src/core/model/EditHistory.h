// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history of the data set: one snapshot of the memory image per step, with the step's caption and a
// marker on the state last saved.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "core/model/AppState.h"
#include "core/model/ModelCatalogue.h"

// What a step restores: the image and the model it was made for (the model of an opened file is named in the
// file's header, not only in the image, so the image alone cannot always say it).
struct TEditState {
    std::array<uint8_t, kImageSize> Image{};
    std::string ModelId;

    bool operator==(const TEditState&) const = default;
};

TEditState EditStateOf(const TAppState& all);
// Puts a state back and derives from it what an Open derives (the model, its channel count, the manual
// frequency flag and the bands) without touching a byte of the image.
void RestoreEditState(TAppState& all, const TModelCatalogue& list, const TEditState& state);

class TEditHistory
{
  public:
    // A whole snapshot is 5.8 KB, so the default depth stays under 6 MB.
    static constexpr size_t kDefaultDepth = 1000;

    explicit TEditHistory(size_t depth = kDefaultDepth);

    // A fresh history whose only state is this one; saved says whether it is the state of the file on disk.
    void Reset(const TEditState& state, bool saved);
    // Records a step that leads to this state; a state equal to the current one records nothing (false).
    // Steps that could be redone are dropped, and the oldest step once the depth is reached.
    bool Record(const TEditState& state, const std::string& caption);

    bool CanUndo() const;
    bool CanRedo() const;
    // The caption of the step Undo would take back, and of the one Redo would make again; empty when none.
    std::string UndoCaption() const;
    std::string RedoCaption() const;
    // Step back or forward; each returns the state to restore. Call only when CanUndo / CanRedo.
    const TEditState& Undo();
    const TEditState& Redo();

    const TEditState& Current() const;
    void MarkSaved();
    // True while the current state is the one last saved (or opened).
    bool AtSaved() const;
    // Number of steps that can be undone.
    size_t UndoCount() const;
    // Bytes the snapshots and captions take.
    size_t MemoryUsage() const;

  private:
    struct TStep {
        TEditState State;
        std::string Caption; // of the change that led to this state
    };
    size_t Depth;
    std::deque<TStep> Steps;
    size_t Position = 0;
    std::optional<size_t> Saved;
};
