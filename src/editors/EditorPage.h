// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class PageEnvironment;
struct ProfileData;
struct ProfileSet;

// What the window knows of a page: it shows a profile record, edits it in
// place, and says so. The window hosts the pages through this contract
// alone and never looks inside one.
class EditorPage : public QWidget
{
    Q_OBJECT
public:
    explicit EditorPage(const PageEnvironment& environment, QWidget* parent = nullptr);

    // Shows `record`, which the page edits in place from now on, and the
    // values the five profiles share (held by `set`, also edited in place).
    virtual void refresh(ProfileData& record, ProfileSet& set) = 0;
    // Writes into `set` what the page holds and has not written yet; "Apply"
    // calls it before the configuration is sent.
    virtual void collect(ProfileSet& set);
    // Whether the page holds edits of its own outside the records (macros
    // not saved yet, say); collect() keeps them, discardEdits() drops them.
    virtual bool hasPendingEdits() const;
    virtual void discardEdits();
    // Sets every text again in the current language. Called on Qt's
    // language-change event, or, for a page of a tab not shown, when it is
    // shown next.
    virtual void retranslate() = 0;
    // The model is served anew: drop selections, reload model pictures.
    virtual void reinitialise();
    // The scale changed; the window has set the page's geometry already.
    virtual void rescale();
    // The mouse reports `stage` as its active DPI stage.
    virtual void showActiveStage(int stage);

Q_SIGNALS:
    // The page changed the record, the shared values or its own edits.
    void edited();
    // The page changed values that other pages show too (the buttons bound
    // to a macro, say): they show them again.
    void setChanged();
    // The page asks the window to show another tab (0 to 3).
    void pageRequested(int page);
    // The page asks the window to enable or disable its own controls (off
    // while a macro is being recorded, say).
    void hostEnabled(bool enabled);

protected:
    const PageEnvironment& environment() const { return m_environment; }
    // Calls rescale() now, or when the page is shown next if it is hidden:
    // a language's font reaches the tabs not shown only when they are.
    void rescaleWhenShown();
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const PageEnvironment& m_environment;
    bool m_retranslateDue = false;
    bool m_rescaleDue = false;
};
