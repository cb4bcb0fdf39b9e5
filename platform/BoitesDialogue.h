// The questions a window asks the player: a yes/no confirmation and a line
// of text to type. Behind an interface so that tests answer them.
#pragma once

#include <optional>
#include <string>

class BoitesDialogue {
public:
    virtual ~BoitesDialogue() = default;
    // OK / Cancel with the question icon; true on OK.
    virtual bool Confirmer(const std::string& Titre, const std::string& Texte) = 0;
    // An input box proposing Defaut; nothing when cancelled.
    virtual std::optional<std::string> Saisir(const std::string& Titre, const std::string& Invite,
                                              const std::string& Defaut) = 0;
    // A message with the critical-stop icon.
    virtual void Erreur(const std::string& Titre, const std::string& Texte) = 0;
};
