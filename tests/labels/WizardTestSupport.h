#pragma once
// Driving the setting wizard the way a user does.
#include "labels/TSettingWizardForm.h"
#include "ui_SettingWizardForm.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace wizardtest {

// What a user's pick in the paper list does (a programmatic selection runs no handler).
inline void pickPaper(TSettingWizardForm& wizard, const QString& entry)
{
    QComboBox* list = wizard.controls().pageSize;
    const int index = list->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Runs `drive` on the wizard once it is shown modally; a wizard left open is cancelled
// so that a failing check cannot hang the test.
inline void whenWizardOpens(std::function<void(TSettingWizardForm&)> drive)
{
    QTimer::singleShot(0, [drive] {
        auto* wizard = qobject_cast<TSettingWizardForm*>(QApplication::activeModalWidget());
        if (!wizard) {
            ADD_FAILURE() << "the wizard is not the modal window";
            return;
        }
        drive(*wizard);
        if (wizard->isVisible())
            wizard->reject();
    });
}

} // namespace wizardtest
