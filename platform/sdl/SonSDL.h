// The sound card through SDL_mixer: one Mix_Chunk per effect on its own
// channel, and one Mix_Music track at a time. When no audio device can be
// opened (no card, SDL_AUDIODRIVER=dummy refused, a busy device) every
// call is silent: the game goes on without sound, never stops for it.
#pragma once

#include <string>
#include <vector>

#include "platform/SortieSon.h"

struct Mix_Chunk;
struct _Mix_Music;

class SonSDL : public SortieSon, public SortieMusique {
public:
    // Opens the audio device.
    SonSDL();
    ~SonSDL() override;
    SonSDL(const SonSDL&) = delete;
    SonSDL& operator=(const SonSDL&) = delete;

    // Whether the device opened; when not, Erreur() says why (the audio
    // library's words, for a log; the player is told in French).
    bool Disponible() const { return ouvert_; }
    const std::string& Erreur() const { return erreur_; }
    // What the player is told once when the game has no sound.
    static constexpr const char* MessageSansSon = "Aucun périphérique audio n'a pu être ouvert : le jeu continue sans son.";

    void Vider(std::int32_t nombre) override;
    bool Charger(std::int32_t i, const std::filesystem::path& fichier) override;
    void Jouer(std::int32_t i) override;

    bool Ouvrir(const std::filesystem::path& fichier) override;
    void Jouer() override;
    void Arreter() override;
    void Fermer() override;

private:
    bool ouvert_ = false;
    std::string erreur_;
    std::vector<Mix_Chunk*> effets_;
    _Mix_Music* musique_ = nullptr;
};
