// The program's name and version, as the about window and the window
// captions show them.
#pragma once

struct VersionJeu {
    int Majeur = 0;
    int Mineur = 0;
    int Revision = 0;
};

inline constexpr const char* TitreJeu = "Morvaine";
inline constexpr VersionJeu VersionDuJeu{1, 0, 0};
