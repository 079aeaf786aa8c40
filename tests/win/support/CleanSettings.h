#pragma once
// Gives a test the program's registry keys empty, whatever the prefix held, and puts back what was there when
// it goes: tests then pass in any order and in a prefix that already has settings.
class CleanSettings {
public:
    CleanSettings();
    CleanSettings(const CleanSettings&) = delete;
    CleanSettings& operator=(const CleanSettings&) = delete;
    ~CleanSettings();
};
