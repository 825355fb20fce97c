#pragma once

// What the save-file check needs of the save-file manager: whether start-up
// found no save file, and the making of a fresh one. Tests install fakes.
class SaveFileLink {
public:
    virtual ~SaveFileLink() = default;

    virtual bool IsSaveFileMissing() = 0;
    // Writes a save file with its default contents.
    virtual void CreateSaveFile() = 0;
};

// Stands in until the save-file manager exists: it says so, and never finds
// the file missing.
class NullSaveFileLink final : public SaveFileLink {
public:
    bool IsSaveFileMissing() override;
    void CreateSaveFile() override { }
};

// The link the save-file check uses; SetSaveFileLink(nullptr) restores the
// null one.
SaveFileLink& GetSaveFileLink();
void SetSaveFileLink(SaveFileLink* pLink);
