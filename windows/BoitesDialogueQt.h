// The desktop's message and input boxes, titled as the game asks.
#pragma once

#include "platform/BoitesDialogue.h"

class BoitesDialogueQt : public BoitesDialogue {
public:
    bool Confirmer(const std::string& Titre, const std::string& Texte) override;
    std::optional<std::string> Saisir(const std::string& Titre, const std::string& Invite,
                                      const std::string& Defaut) override;
    void Erreur(const std::string& Titre, const std::string& Texte) override;
};
