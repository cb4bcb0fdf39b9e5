// The player's questions as desktop message and input boxes, centred on
// the window that asks.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/Dialogues.h"

class DialoguesQt : public Dialogues {
public:
    explicit DialoguesQt(QWidget* Parent = nullptr) : parent_(Parent) {}
    void Message(const std::string& Texte, const std::string& Titre, Icone icone) override;
    bool Confirmer(const std::string& Texte, const std::string& Titre) override;
    bool Question(const std::string& Texte, const std::string& Titre) override;
    Reponse QuestionAnnulable(const std::string& Texte, const std::string& Titre) override;
    std::optional<std::string> Saisie(const std::string& Invite, const std::string& Titre,
                                      const std::string& Defaut) override;

private:
    QPointer<QWidget> parent_;
};
