#pragma once

// Where the editor keeps its settings, its recent-file list and its bar state: the maker's key
// "Brannholt\Quorvale" below "Software", then the application's name.
inline constexpr char kOrganisationName[] = "Brannholt";
inline constexpr char kApplicationName[] = "Quorvale Editor";
inline constexpr char kProfileKeyPath[] = "Software\\Brannholt\\Quorvale\\Quorvale Editor";
