// Qt's message box as the program shows it: German buttons, line breaks, the program title.

#include "ui/qt_dialogs.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace orv;

namespace {

QStringList buttonTexts(const QMessageBox& box)
{
    QStringList texts;
    for (const QAbstractButton* button : box.buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

TEST(QtDialogsTest, QuestionsSpeakGermanAndBreakLines)
{
    const auto box = QtDialogs::messageBox({"Gebäudedaten wurden noch nicht gespeichert.\rSpeichern?",
                                            {},
                                            MessageIcon::Warning,
                                            MessageButtons::YesNoCancel},
                                           nullptr);
    EXPECT_EQ(buttonTexts(*box), (QStringList{"&Ja", "&Nein", "Abbrechen"}));
    EXPECT_EQ(box->text(), "Gebäudedaten wurden noch nicht gespeichert.\nSpeichern?");
    EXPECT_EQ(box->windowTitle(), "Derodedevoz");
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Yes));
}

TEST(QtDialogsTest, QuestionMayNameItsDefaultButton)
{
    Message question{
        "Willkommensfenster wirklich nicht mehr anzeigen?", {}, MessageIcon::Warning, MessageButtons::YesNo};
    question.defaultAnswer = MessageAnswer::No;
    const auto box = QtDialogs::messageBox(question, nullptr);
    EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::No));
}

TEST(QtDialogsTest, ErrorBoxHasItsCaptionAndOneButton)
{
    const auto box = QtDialogs::messageBox(
        {"Fehler bei Datenträgerzugriff.", "Fehler", MessageIcon::Error, MessageButtons::Ok}, nullptr);
    EXPECT_EQ(box->windowTitle(), "Fehler");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->buttons().size(), 1);
}

} // namespace
