#pragma once
// The main window with a demo board selected, so its pages are built; helpers that act on the
// pages as a user does (typing, entering a list, clicking a point edit) and run the transfers.
#include "app/event_guard.h"
#include "support/main_form_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QTabWidget>

namespace orvex::test {

class PagesFixture : public MainFormFixture {
protected:
    void selectKestrel32()
    {
        if (!m_kestrel) m_kestrel = addKestrel32();
        selectBoard(hid::kDemoKestrel32Path);
    }
    void selectFalconet()
    {
        if (!m_falconet) m_falconet = addFalconet();
        selectBoard(hid::kDemoFalconetPath);
    }

    /// Runs a main-window operation as its event does: guarded, then the event loop.
    void run(const std::function<void()>& operation)
    {
        app::runGuarded(prompts, operation);
        settle();
    }
    void get() { run([this] { form->btnReadParamClick(); }); }
    void set() { run([this] { form->btnWriteParamClick(); }); }
    void showParam() { run([this] { form->ShowParam(); }); }
    void refreshParam() { run([this] { form->RefreshParam(); }); }

    /// The user replaces the text of an edit (one change event, as a paste does).
    void type(QLineEdit* edit, const QString& text)
    {
        edit->setText(text);
        settle();
    }
    static void enter(QWidget* control)
    {
        QFocusEvent event(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(control, &event);
    }
    static void click(QWidget* control)
    {
        const QPointF at(3, 3);
        QMouseEvent event(QEvent::MouseButtonPress, at, control->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(control, &event);
    }

    QLineEdit* point(unsigned axis, unsigned p) const { return form->EqPointEdits[axis * 16 + p]; }
    QStringList row(unsigned axis) const
    {
        QStringList texts;
        for (unsigned p = 0; p <= 10; ++p)
            texts << point(axis, p)->text();
        return texts;
    }

    std::shared_ptr<hid::EmulatedBoard> m_kestrel;
    std::shared_ptr<hid::EmulatedBoard> m_falconet;
};

} // namespace orvex::test
