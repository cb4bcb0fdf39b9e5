// Where the game's sounds go: the sound card through SDL_mixer
// (platform/sdl), silence, or a recorder in tests. ClsPerSon and
// ClsPerMusique only see these two interfaces.
#pragma once

#include <cstdint>
#include <filesystem>

// Short effects: one loaded sound per visual effect type, each with its
// own channel, so that two different effects overlap and one effect never
// cuts itself.
class SortieSon {
public:
    virtual ~SortieSon() = default;
    // Forgets every loaded effect and makes room for effects 0 .. nombre - 1.
    virtual void Vider(std::int32_t nombre) = 0;
    // Loads the sound of effect i from a WAV file. False when the file
    // cannot be read or there is no sound device (that effect stays silent).
    virtual bool Charger(std::int32_t i, const std::filesystem::path& fichier) = 0;
    // Plays effect i once from its start; while it is still playing, the
    // request changes nothing (one buffer per effect, as the game expects).
    virtual void Jouer(std::int32_t i) = 0;
};

// Background music: one track at a time, opened, played, stopped, closed.
class SortieMusique {
public:
    virtual ~SortieMusique() = default;
    // Opens a music file as the current track (closing none: the caller
    // closes first). False when it cannot be read or there is no device.
    virtual bool Ouvrir(const std::filesystem::path& fichier) = 0;
    // Plays the opened track once through (it may be stopped sooner).
    virtual void Jouer() = 0;
    virtual void Arreter() = 0;
    virtual void Fermer() = 0;
};
