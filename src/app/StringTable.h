#pragma once

// Numbered strings of the editor, read with LoadResourceString once RegisterStringTable has run.
enum StringId : unsigned {
    IdsAppTitle = 57344,
    IdsIdleMessage = 57345,
    IdsReadme = 60002,
};

// Hands the editor's string table to LoadResourceString.
void RegisterStringTable();
