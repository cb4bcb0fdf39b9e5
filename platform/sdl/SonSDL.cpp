#include "platform/sdl/SonSDL.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

// The sound libraries under SDL (ALSA, PulseAudio) write their own lines
// to the error output when they find no device; the program says it once
// in its own words instead, so the error output is silenced while the
// device is being opened.
class SilenceErreurs {
public:
    SilenceErreurs() {
        std::fflush(stderr);
        garde_ = ::dup(STDERR_FILENO);
        const int nul = ::open("/dev/null", O_WRONLY);
        if (garde_ >= 0 && nul >= 0) ::dup2(nul, STDERR_FILENO);
        if (nul >= 0) ::close(nul);
    }
    ~SilenceErreurs() {
        std::fflush(stderr);
        if (garde_ < 0) return;
        ::dup2(garde_, STDERR_FILENO);
        ::close(garde_);
    }
    SilenceErreurs(const SilenceErreurs&) = delete;
    SilenceErreurs& operator=(const SilenceErreurs&) = delete;

private:
    int garde_ = -1;
};

}  // namespace

SonSDL::SonSDL() {
    const SilenceErreurs silence;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        erreur_ = SDL_GetError();
        return;
    }
    // OGG tracks when the library can; WAV needs nothing.
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        erreur_ = Mix_GetError();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    // The music stays under the effects.
    Mix_VolumeMusic(MIX_MAX_VOLUME * 3 / 4);
    ouvert_ = true;
}

SonSDL::~SonSDL() {
    if (!ouvert_) return;
    Fermer();
    Vider(0);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SonSDL::Vider(std::int32_t nombre) {
    if (!ouvert_) return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk* c : effets_)
        if (c) Mix_FreeChunk(c);
    effets_.assign(static_cast<std::size_t>(nombre > 0 ? nombre : 0), nullptr);
    // One channel per effect: the same effect never plays twice at once,
    // two different ones always can.
    if (nombre > 0) Mix_AllocateChannels(nombre);
}

bool SonSDL::Charger(std::int32_t i, const std::filesystem::path& fichier) {
    if (!ouvert_ || i < 0 || i >= static_cast<std::int32_t>(effets_.size())) return false;
    auto& place = effets_[static_cast<std::size_t>(i)];
    if (place) {
        Mix_HaltChannel(i);
        Mix_FreeChunk(place);
        place = nullptr;
    }
    place = Mix_LoadWAV(fichier.string().c_str());
    return place != nullptr;
}

void SonSDL::Jouer(std::int32_t i) {
    if (!ouvert_ || i < 0 || i >= static_cast<std::int32_t>(effets_.size())) return;
    Mix_Chunk* c = effets_[static_cast<std::size_t>(i)];
    if (c && !Mix_Playing(i)) Mix_PlayChannel(i, c, 0);
}

bool SonSDL::Ouvrir(const std::filesystem::path& fichier) {
    if (!ouvert_) return false;
    Fermer();
    musique_ = Mix_LoadMUS(fichier.string().c_str());
    return musique_ != nullptr;
}

void SonSDL::Jouer() {
    // Once through: then silence until the music asks for the next track.
    if (ouvert_ && musique_) Mix_PlayMusic(musique_, 1);
}

void SonSDL::Arreter() {
    if (ouvert_) Mix_HaltMusic();
}

void SonSDL::Fermer() {
    if (!ouvert_ || !musique_) return;
    Mix_HaltMusic();
    Mix_FreeMusic(musique_);
    musique_ = nullptr;
}
