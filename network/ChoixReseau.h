// The host's setup choices as the text that travels with "Com": every
// machine builds its world from the same choices. One "Cle=Valeur" per
// line; reading checks every key, number and count and reports the first
// fault in French.
#pragma once

#include <optional>
#include <string>

#include "engine/SetupChoices.h"

namespace ChoixReseau {

std::string Ecrire(const SetupChoices& c);
// The choices, or nothing with the reason in Erreur. The local player's
// place in the session is not among them.
std::optional<SetupChoices> Lire(const std::string& texte, std::string* Erreur = nullptr);

}  // namespace ChoixReseau
