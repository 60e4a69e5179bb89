// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/buttons/OakBtnWindow.h"

#include "editors/PageEnvironment.h"
#include "editors/UserPrompts.h"
#include "editors/buttons/ButtonAssigner.h"
#include "protocol/ButtonCatalogue.h"
#include "protocol/FunctionNames.h"
#include "protocol/FunctionTable.h"
#include "storage/ProfileData.h"
#include "widgets/OakPushButton.h"
#include "widgets/SkinImage.h"

#include <QAction>
#include <QDebug>
#include <QFocusEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>

namespace {

constexpr int kNone = 255;
constexpr int kRowHeight = 30;
constexpr int kLabelX = 56;
constexpr int kLabelWidth = 220;
constexpr int kNumberX = 16;
constexpr int kNumberWidth = 32;
constexpr int kWheelX = 360;
constexpr int kWheelImage = 24;
constexpr int kManyRows = 9;
constexpr int kManyTop = 30;
constexpr int kManySpacing = 20;
// Below this the rows would touch: the list scrolls instead.
constexpr int kMinGap = 8;
constexpr int kMainMenuWidth = 160;
constexpr int kSubmenuWidth = 147;
constexpr int kMacroPage = 3;

} // namespace

OakBtnWindow::OakBtnWindow(const PageEnvironment& environment, QWidget* parent)
    : EditorPage(environment, parent)
{
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("buttonScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setWidgetResizable(false);
    m_scroll->setStyleSheet(
        QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"));
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("buttonList"));
    m_scroll->setWidget(m_content);
    buildLabels();
    buildActions();
    loadModel();
    retranslate();
}

void OakBtnWindow::buildLabels()
{
    for (int record = 0; record < ButtonCatalogue::kRecords; ++record) {
        auto* label = new OakPushButton(m_content);
        label->setObjectName(QStringLiteral("buttonLabel%1").arg(record));
        label->setFocusPolicy(Qt::StrongFocus);
        connect(label, &QPushButton::clicked, this, [this, record] { onLabelClicked(record); });
        connect(label, &OakPushButton::EnterSignal, this, &OakBtnWindow::slotMouseEnter);
        connect(label, &OakPushButton::OverSignal, this, &OakBtnWindow::slotMouseOver);
        label->installEventFilter(this);
        m_labels.append(label);
        auto* number = new QLabel(m_content);
        number->setObjectName(QStringLiteral("buttonNumber%1").arg(record));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_numbers.append(number);
    }
}

void OakBtnWindow::buildActions()
{
    auto add = [this](int function) {
        auto* action = new QAction(this);
        action->setObjectName(QStringLiteral("function%1").arg(function));
        action->setData(function);
        connect(action, &QAction::triggered, this, &OakBtnWindow::onActionTriggered);
        m_actions.insert(function, action);
    };
    for (const ButtonCatalogue::MenuEntry& entry : ButtonCatalogue::mainMenu(false, false)) {
        if (entry.function)
            add(entry.function);
        for (int function : entry.submenuFunctions)
            add(function);
    }
    for (int function : ButtonCatalogue::wheelMenu()) {
        if (!m_actions.contains(function))
            add(function);
    }
    for (int function : ButtonCatalogue::profileMenu())
        add(function);
    add(FunctionTable::Sniper);
}

void OakBtnWindow::buildMenus()
{
    delete m_mainMenu;
    delete m_wheelMenu;
    m_submenus.clear();
    const int scaledMain = environment().scaled(kMainMenuWidth);
    const int scaledSub = environment().scaled(kSubmenuWidth);
    m_mainMenu = new QMenu(this);
    m_mainMenu->setObjectName(QStringLiteral("mainMenu"));
    m_mainMenu->setMinimumWidth(scaledMain);
    const ModelDescription& model = environment().model();
    for (const ButtonCatalogue::MenuEntry& entry :
         ButtonCatalogue::mainMenu(model.macrosDisabled, model.lightingDisabled)) {
        if (entry.function) {
            m_mainMenu->addAction(m_actions.value(entry.function));
            continue;
        }
        QMenu* submenu = m_mainMenu->addMenu(tr(entry.submenu));
        submenu->setObjectName(
            QStringLiteral("menu%1").arg(QString::fromLatin1(entry.submenu).remove(QLatin1Char(' '))));
        submenu->setMinimumWidth(scaledSub);
        for (int function : entry.submenuFunctions)
            submenu->addAction(m_actions.value(function));
        m_submenus.append(submenu);
    }
    // Profile switching is built for stored profiles to name, not offered.
    auto* profiles = new QMenu(tr("Profile Menu"), m_mainMenu);
    profiles->setObjectName(QStringLiteral("menuProfile"));
    for (int function : ButtonCatalogue::profileMenu())
        profiles->addAction(m_actions.value(function));
    m_wheelMenu = new QMenu(this);
    m_wheelMenu->setObjectName(QStringLiteral("wheelMenu"));
    m_wheelMenu->setMinimumWidth(scaledMain);
    for (int function : ButtonCatalogue::wheelMenu())
        m_wheelMenu->addAction(m_actions.value(function));
}

void OakBtnWindow::loadModel()
{
    m_markers = MouseMarkers::read(environment().modelPicture(QStringLiteral("markers.ini")));
    m_views = ButtonViews(environment().model(), m_markers);
    const QString up = environment().skinFile(QStringLiteral("btn_up2.png"));
    const QString down = environment().skinFile(QStringLiteral("btn_down2.png"));
    const QSize image(environment().scaled(kWheelImage), environment().scaled(kWheelImage));
    m_numbers[ButtonCatalogue::kWheelFirst]->setPixmap(SkinImage::pixmap(up, image));
    m_numbers[ButtonCatalogue::kWheelFirst + 1]->setPixmap(SkinImage::pixmap(down, image));
    layoutLabels();
    Q_EMIT layoutChanged();
}

void OakBtnWindow::refresh(ProfileData& record, ProfileSet&)
{
    m_record = &record;
    refreshLabels();
}

void OakBtnWindow::retranslate()
{
    setFont(environment().ui().font());
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it)
        it.value()->setText(tr(FunctionNames::label(it.key()).toUtf8().constData()));
    buildMenus();
    refreshLabels();
}

void OakBtnWindow::reinitialise()
{
    selectRecord(-1);
    if (m_view != MouseMarkers::Front) {
        m_view = MouseMarkers::Front;
        Q_EMIT viewChanged(m_view);
    }
    loadModel();
    buildMenus();
    refreshLabels();
}

void OakBtnWindow::rescale()
{
    loadModel();
    buildMenus();
}

bool OakBtnWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The kit's buttons draw no focus: a label reached from the keyboard is
    // selected, which shows it and lights its marker.
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const int record = recordOf(watched);
        if (record >= 0 && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
            selectRecord(record);
    }
    return EditorPage::eventFilter(watched, event);
}

void OakBtnWindow::resizeEvent(QResizeEvent* event)
{
    EditorPage::resizeEvent(event);
    layoutLabels();
}

void OakBtnWindow::layoutLabels()
{
    m_scroll->setGeometry(rect());
    const int scrollBar = m_scroll->verticalScrollBar()->sizeHint().width();
    const int pageHeight = height();
    const QVector<int> rows = m_views.numberedRecords(m_view);
    const int n = rows.size();
    const int rowHeight = environment().scaled(kRowHeight);
    int top = environment().scaled(kManyTop);
    int spacing = environment().scaled(kManySpacing);
    if (n <= kManyRows) {
        const int gap = (pageHeight - rowHeight * n) / (n + 1);
        top = spacing = qMax(gap, environment().scaled(kMinGap));
    }
    for (int record = 0; record < ButtonCatalogue::kRecords; ++record) {
        m_labels[record]->hide();
        m_numbers[record]->hide();
    }
    auto place = [&](int record, int x, int numberX, int numberWidth, int row) {
        const int y = top + row * spacing + rowHeight * row;
        m_labels[record]->setGeometry(environment().scaled(x), y, environment().scaled(kLabelWidth),
                                      rowHeight);
        m_numbers[record]->setGeometry(environment().scaled(numberX), y, environment().scaled(numberWidth),
                                       rowHeight);
        m_labels[record]->show();
        m_numbers[record]->show();
        return y + rowHeight;
    };
    int bottom = 0;
    for (int row = 0; row < n; ++row) {
        const int record = rows.at(row);
        m_numbers[record]->setText(QString::number(m_views.number(record)));
        bottom = qMax(bottom, place(record, kLabelX, kNumberX, kNumberWidth, row));
    }
    if (m_view == MouseMarkers::Front) {
        for (int i = 0; i < 2; ++i)
            bottom = qMax(bottom, place(ButtonCatalogue::kWheelFirst + i, kWheelX + kWheelImage + 8, kWheelX,
                                        kWheelImage, i));
    }
    m_content->resize(width() - scrollBar, qMax(pageHeight, bottom + spacing));
}

OakPushButton* OakBtnWindow::labelButton(int record) const
{
    return record >= 0 && record < m_labels.size() ? m_labels.at(record) : nullptr;
}

int OakBtnWindow::recordOf(const QObject* labelButton) const
{
    for (int record = 0; record < m_labels.size(); ++record) {
        if (m_labels.at(record) == labelButton)
            return record;
    }
    return -1;
}

QString OakBtnWindow::labelText(int record) const
{
    const ButtonAssignment& button = m_record->buttons[record];
    const QString label = ButtonCatalogue::label(record, button);
    if (button.Fun == FunctionTable::Macro || button.Fun == FunctionTable::GunMacro)
        return label;
    if (label.isEmpty())
        return tr("Function %1").arg(button.Fun);
    return tr(label.toUtf8().constData());
}

void OakBtnWindow::refreshLabels()
{
    const QColor theme = environment().ui().themeColor();
    for (int record = 0; record < ButtonCatalogue::kRecords; ++record) {
        m_labels[record]->setThemeColor(theme);
        refreshLabel(record);
    }
}

void OakBtnWindow::refreshLabel(int record)
{
    OakPushButton* label = m_labels[record];
    label->setText(m_record ? labelText(record) : QString());
    const int number = m_views.number(record);
    QString name;
    if (record == ButtonCatalogue::kWheelFirst)
        name = tr("Wheel up");
    else if (record == ButtonCatalogue::kWheelFirst + 1)
        name = tr("Wheel down");
    else
        name = tr("Button %1").arg(number);
    label->setAccessibleName(name + QStringLiteral(": ") + label->text());
}

void OakBtnWindow::showGroup(int index, int group)
{
    if (group != kNone) {
        const MouseMarkers::View view =
            group == ButtonCatalogue::Side ? MouseMarkers::Side : MouseMarkers::Front;
        if (view != m_view) {
            m_view = view;
            layoutLabels();
            Q_EMIT viewChanged(view);
        }
    }
    if (group == kNone || index == kNone || index < 0)
        return;
    selectRecord(ButtonCatalogue::recordOf(ButtonCatalogue::Group(group), index));
}

void OakBtnWindow::selectRecord(int record)
{
    if (record < -1 || record >= ButtonCatalogue::kRecords)
        return;
    if (m_selected >= 0)
        m_labels[m_selected]->setHighlighted(false);
    m_selected = record;
    if (record >= 0) {
        m_labels[record]->setHighlighted(true);
        if (m_labels[record]->isVisible())
            m_scroll->ensureWidgetVisible(m_labels[record]);
    }
    Q_EMIT selectionChanged(record);
}

void OakBtnWindow::slotMouseEnter(OakPushButton* btn)
{
    const int record = recordOf(btn);
    if (record >= 0)
        selectRecord(record);
}

void OakBtnWindow::slotMouseOver(OakPushButton* btn, bool over)
{
    if (recordOf(btn) >= 0)
        Q_EMIT SelBtnControl(btn, over);
}

void OakBtnWindow::OnMouseEnterSlot(int index)
{
    qDebug("OnMouseEnterSlot %d", index);
    showGroup(index, ButtonCatalogue::Front);
}

void OakBtnWindow::onLabelClicked(int record)
{
    selectRecord(record);
    QMenu* menu = ButtonCatalogue::groupOf(record) == ButtonCatalogue::Wheel ? m_wheelMenu : m_mainMenu;
    OakPushButton* label = m_labels[record];
    menu->popup(label->mapToGlobal(QPoint(0, label->height())));
}

void OakBtnWindow::onActionTriggered()
{
    if (const auto* action = qobject_cast<QAction*>(sender()))
        choose(action->data().toInt());
}

void OakBtnWindow::choose(int function)
{
    const int record = m_selected;
    if (!m_record || record < 0)
        return;
    OakPushButton* label = m_labels[record];
    Q_EMIT SelBtnControl(label, true);
    ButtonAssignment& button = m_record->buttons[record];
    if (!ButtonCatalogue::keepsLeftClick(m_record->buttons, record, function)) {
        environment().prompts().tell(tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
    } else {
        switch (ButtonAssigner(environment(), this).assign(button, function)) {
        case ButtonAssigner::Changed:
            refreshLabel(record);
            Q_EMIT edited();
            break;
        case ButtonAssigner::NoMacros:
            Q_EMIT pageRequested(kMacroPage);
            break;
        case ButtonAssigner::Unchanged:
            break;
        }
    }
    Q_EMIT SelBtnControl(label, false);
    selectRecord(-1);
}
