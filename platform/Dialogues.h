// The modal questions a window asks the player: a message, a yes/no (or
// yes/no/cancel) question, a line of text to type. Windows ask through this
// interface so that tests can answer with a script; platform/qt shows them
// as desktop message and input boxes.
#pragma once

#include <optional>
#include <string>

class Dialogues {
public:
    enum class Icone { Information, Question, Attention, Critique };
    enum class Reponse { Oui, Non, Annuler };

    virtual ~Dialogues() = default;
    virtual void Message(const std::string& Texte, const std::string& Titre, Icone icone) = 0;
    // OK and Cancel buttons, the question icon; true on OK.
    virtual bool Confirmer(const std::string& Texte, const std::string& Titre) = 0;
    // Yes and No buttons, the question icon.
    virtual bool Question(const std::string& Texte, const std::string& Titre) = 0;
    // Yes, No and Cancel buttons, the question icon; closing the box cancels.
    virtual Reponse QuestionAnnulable(const std::string& Texte, const std::string& Titre) = 0;
    // The typed text, or nothing when the box was cancelled.
    virtual std::optional<std::string> Saisie(const std::string& Invite, const std::string& Titre,
                                              const std::string& Defaut) = 0;
};
