#pragma once

#include "core/dialogs.h"
#include "core/input_reading.h"
#include "core/session.h"
#include "files/building_files.h"
#include "files/building_view.h"

namespace orv::test {

// A main window reduced to what the building-file commands see: input texts that are read into the
// record as the real inputs are, and a record of what was shown.
class FakeBuildingView : public BuildingView
{
  public:
    FakeBuildingView(Session& session, Dialogs& dialogs) : m_session(session), m_dialogs(dialogs) {}

    BuildingFiles* files = nullptr; // for the automatic save after a change

    InputTexts inputs;
    bool roofSpaceHeated = false;
    bool cellarHeated = false;
    QString temperature;
    QString designation;
    QString caption;
    QString status;
    RecentMenu recent;
    bool loading = false;
    bool storeysFollowHeight = false;
    bool starting = false;
    int focusCount = 0;
    int resultsCleared = 0;
    int toolWindowRefreshes = 0;

    // The user types into an input: the change handling of the window.
    void type(InputId id, const QString& text)
    {
        textOf(inputs, id) = text;
        if (loading)
            return;
        if (readInputsIntoRecord()) {
            if (files)
                files->saveLastBuildingAfterChange();
            m_session.file.BuildingModified = true;
        }
    }
    // The user picks a roof-space or cellar choice.
    void chooseRoofSpace(bool heated)
    {
        roofSpaceHeated = m_session.building.RoofSpaceHeated = heated;
        type(InputId::Length, textOf(inputs, InputId::Length));
    }
    void chooseCellar(bool heated)
    {
        cellarHeated = m_session.building.CellarHeated = heated;
        type(InputId::Length, textOf(inputs, InputId::Length));
    }

    bool readInputsIntoRecord() override
    {
        if (readInputs(inputs, m_session.building, m_session.results))
            return true;
        m_dialogs.show({QString::fromUtf8(kInputErrorMessage), QStringLiteral("Fehler"), MessageIcon::Warning,
                        MessageButtons::Ok});
        return false;
    }
    void checkCompleteness() override
    {
        if (readInputsIntoRecord())
            m_session.file.BuildingModified = true;
    }
    void clearResults() override { ++resultsCleared; }
    void setLoadingBuilding(bool value) override { loading = value; }
    void setStoreysFollowHeight(bool value) override { storeysFollowHeight = value; }
    void showNewBuildingInputs(const InputTexts& texts) override
    {
        inputs = texts;
        roofSpaceHeated = m_session.building.RoofSpaceHeated = false;
        cellarHeated = m_session.building.CellarHeated = false;
        designation.clear();
    }
    void showBuildingInputs(const InputTexts& texts, bool roof, bool cellar) override
    {
        inputs = texts;
        roofSpaceHeated = m_session.building.RoofSpaceHeated = roof;
        cellarHeated = m_session.building.CellarHeated = cellar;
    }
    void setTemperatureLine(const QString& text) override { temperature = text; }
    void setDesignation(const QString& name) override { designation = name; }
    void FormCaptionAnpassen(const QString& text) override { caption = text; }
    void setStatusText(const QString& text) override { status = text; }
    void focusLength() override { ++focusCount; }
    bool startingUp() const override { return starting; }
    void refreshToolWindows() override { ++toolWindowRefreshes; }
    void showRecentFiles(const RecentMenu& menu) override { recent = menu; }

  private:
    Session& m_session;
    Dialogs& m_dialogs;
};

} // namespace orv::test
