// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CDialog.h"

#include "platform/DataExchange.h"
#include "platform/ListBoxView.h"
#include "platform/ModalHost.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QDateEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int kIconPixels = 32;
const char* const kControlIdProperty = "controlId";

// Dialog units in pixels for a dialog font: a horizontal unit is a quarter of
// the font's average character width, a vertical unit an eighth of its
// height, so a dialog keeps the proportions of its template whatever font
// the system provides.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font)
    {
        const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        const QFontMetricsF metrics(font);
        m_averageCharWidth = metrics.horizontalAdvance(alphabet) / alphabet.size();
        m_charHeight = metrics.height();
    }

    QRect ToPixels(const QRect& rectDu) const
    {
        const int left = X(rectDu.x());
        const int top = Y(rectDu.y());
        return QRect(left, top, X(rectDu.x() + rectDu.width()) - left, Y(rectDu.y() + rectDu.height()) - top);
    }
    QSize ToPixels(const QSize& sizeDu) const { return QSize(X(sizeDu.width()), Y(sizeDu.height())); }

private:
    int X(int du) const { return static_cast<int>(std::lround(du * m_averageCharWidth / 4.0)); }
    int Y(int du) const { return static_cast<int>(std::lround(du * m_charHeight / 8.0)); }

    double m_averageCharWidth;
    double m_charHeight;
};

// Losing the focus because a menu or another window opened is not leaving
// the field: only moving to another control of the dialog is.
bool IsLeavingField(const QFocusEvent* event)
{
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

Qt::WindowFlags WindowFlagsFor(const DialogTemplate& dialogTemplate)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialogTemplate.hasMinMaxBoxes)
        flags |= Qt::WindowMinMaxButtonsHint;
    return flags;
}

QFont DialogFont(const DialogTemplate& dialogTemplate)
{
    QFont font(dialogTemplate.fontFace, dialogTemplate.fontPointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// A control of the template's kind, before its text and place are set.
QWidget* MakeControl(const ControlTemplate& control, QWidget* parent)
{
    switch (control.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setAlignment((control.style & StyleCentered) ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(control.rectDu.height() > 10);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        if (control.style & StyleDigitsOnly)
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        return edit;
    }
    case ControlKind::PushButton:
    case ControlKind::DefaultButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        button->setDefault(control.kind == ControlKind::DefaultButton);
        return button;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(parent);
    case ControlKind::ListBox:
        return new ListBoxView(parent);
    case ControlKind::TreeView: {
        auto* tree = new QTreeWidget(parent);
        tree->setHeaderHidden(true);
        tree->setRootIsDecorated(false);
        tree->setColumnCount(1);
        return tree;
    }
    case ControlKind::GridView:
        return new QTableView(parent);
    case ControlKind::DateEdit: {
        auto* date = new QDateEdit(parent);
        date->setMinimumDate(QDate(100, 1, 1));  // the earliest the edit shows; Qt's default starts in 1752
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        return date;
    }
    case ControlKind::Icon: {
        auto* label = new QLabel(parent);
        label->setPixmap(control.icon.pixmap(kIconPixels, kIconPixels));
        return label;
    }
    }
    return nullptr;
}

QString CloseItemText()
{
    return QCoreApplication::translate("CDialog", "&Close\tAlt+F4");
}

// The controls that show a text: labels, edit fields and buttons.
void SetControlText(QWidget* widget, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
}

// A menu item that reports its command id when chosen.
QAction* AddCommand(QMenu* menu, int id, const QString& text, QObject* context,
                    const std::function<void(int)>& onCommand)
{
    QAction* action = menu->addAction(text);
    action->setData(id);
    QObject::connect(action, &QAction::triggered, context, [onCommand, id] { onCommand(id); });
    return action;
}

// A label whose text has a mnemonic moves the focus to the control after it.
void LinkMnemonicLabels(const std::vector<QWidget*>& widgets, const DialogTemplate& dialogTemplate)
{
    for (size_t i = 0; i + 1 < widgets.size(); ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        if (control.kind == ControlKind::Label && control.text.contains(u'&'))
            static_cast<QLabel*>(widgets[i])->setBuddy(widgets[i + 1]);
    }
}

// Opens at the template's size, and keeps it as the smallest, as far as the
// screen's free area (less the window frame and the menu) allows.
void FitResizableWindow(QWidget& window, QScrollArea& scroll, QSize clientSize)
{
    constexpr QSize kFrameAllowance(16, 48);
    QSize room = clientSize;
    if (const QScreen* screen = window.screen()) {
        QSize free = screen->availableGeometry().size() - kFrameAllowance;
        if (const QMenuBar* menuBar = window.findChild<QMenuBar*>())
            free.rheight() -= menuBar->sizeHint().height();
        room = room.boundedTo(free);
        // Room for the scroll bar across, so that scrolling one way does
        // not force scrolling the other.
        if (room.height() < clientSize.height())
            room.rwidth() = std::min(clientSize.width() + scroll.verticalScrollBar()->sizeHint().width(), free.width());
        if (room.width() < clientSize.width())
            room.rheight() = std::min(room.height() + scroll.horizontalScrollBar()->sizeHint().height(), free.height());
    }
    scroll.setMinimumSize(room);
    window.resize(window.minimumSizeHint());
}

}  // namespace

// The Qt window of a dialog. It hands the keys and notifications the dialog
// framework knows (Enter, Escape, the close box, an edit losing the focus,
// the client area of a resizable dialog changing its size) to its CDialog
// instead of acting on them itself.
class DialogWindow : public QDialog {
public:
    DialogWindow(CDialog& owner, QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags), m_owner(owner) {}

    void WatchFocusLoss(QWidget* edit, int id)
    {
        edit->setProperty(kControlIdProperty, id);
        edit->installEventFilter(this);
    }
    void WatchResizes(QWidget* client, std::function<void()> resized)
    {
        m_client = client;
        m_clientResized = std::move(resized);
        client->installEventFilter(this);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            m_owner.OnEnterKey();
            return;
        case Qt::Key_Escape:
            m_owner.OnEscapeKey();
            return;
        case Qt::Key_Delete:
            m_owner.OnDeleteKey();
            return;
        default:
            QWidget::keyPressEvent(event);
        }
    }

    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        m_owner.OnClose();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_client && event->type() == QEvent::Resize)
            m_clientResized();
        else if (event->type() == QEvent::FocusOut && IsLeavingField(static_cast<QFocusEvent*>(event)))
            m_owner.OnCommand(watched->property(kControlIdProperty).toInt(), EN_KILLFOCUS);
        return QDialog::eventFilter(watched, event);
    }

private:
    CDialog& m_owner;
    QWidget* m_client = nullptr;
    std::function<void()> m_clientResized;
};

CDialog::CDialog(DialogTemplate dialogTemplate, ModalHost& host)
    : m_template(std::move(dialogTemplate))
    , m_host(host)
{
}

CDialog::~CDialog()
{
    DestroyWindow();
}

int CDialog::DoModal()
{
    return m_host.RunDialog(*this);
}

bool CDialog::UpdateData(bool saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const CDataExchange::Failure&) {
        return false;
    }
    return true;
}

void CDialog::EndDialog(int result)
{
    m_ended = true;
    m_result = result;
    if (m_window)
        m_window->done(result);
}

void CDialog::Create(QWidget* parent)
{
    DestroyWindow();
    m_ended = false;
    m_result = IDCANCEL;
    m_window = new DialogWindow(*this, parent, WindowFlagsFor(m_template));
    m_window->setWindowTitle(TemplateText(m_template.caption));
    m_window->setFont(DialogFont(m_template));

    auto* layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    m_clientSize = DialogUnits(m_window->font()).ToPixels(m_template.sizeDu);
    QWidget* client = BuildClientArea(m_clientSize);

    BuildMenu();
    BuildSystemMenu();
    BuildControls(client);
    if (auto* scroll = m_window->findChild<QScrollArea*>())
        FitResizableWindow(*m_window, *scroll, m_clientSize);
    OnInitDialog();
}

// A fixed dialog is its template's size. A resizable one holds its controls
// in a scroll area: the controls never come closer than the template puts
// them, and on a screen too small for the template the window scrolls, so
// every control can still be reached.
QWidget* CDialog::BuildClientArea(QSize clientSize)
{
    auto* client = new QWidget;
    if (!m_template.resizable) {
        m_window->layout()->setSizeConstraint(QLayout::SetFixedSize);
        client->setFixedSize(clientSize);
        m_window->layout()->addWidget(client);
        return client;
    }
    client->setMinimumSize(clientSize);
    auto* scroll = new QScrollArea(m_window);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setWidget(client);
    m_window->layout()->addWidget(scroll);
    m_window->WatchResizes(client, [this, client] { StretchControls(client->size() - m_clientSize); });
    return client;
}

void CDialog::StretchControls(QSize extra)
{
    const auto share = [](double part, int room) { return static_cast<int>(std::lround(part * room)); };
    const DialogUnits units(m_window->font());
    for (size_t i = 0; i < m_controlWidgets.size(); ++i) {
        const ControlStretch& stretch = m_template.controls[i].stretch;
        if (!stretch.moveX && !stretch.growX && !stretch.moveY && !stretch.growY)
            continue;
        const QRect rect = units.ToPixels(m_template.controls[i].rectDu);
        const int left = rect.left() + share(stretch.moveX, extra.width());
        const int top = rect.top() + share(stretch.moveY, extra.height());
        const int right = rect.left() + rect.width() + share(stretch.moveX + stretch.growX, extra.width());
        const int bottom = rect.top() + rect.height() + share(stretch.moveY + stretch.growY, extra.height());
        m_controlWidgets[i]->setGeometry(left, top, right - left, bottom - top);
    }
}

void CDialog::DestroyWindow()
{
    m_controls.clear();
    m_controlWidgets.clear();
    m_menuTexts.clear();
    m_systemMenu = nullptr;
    delete m_window;
    m_window = nullptr;
}

QDialog* CDialog::Window() const
{
    return m_window;
}

QWidget* CDialog::GetDlgItem(int id) const
{
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

void CDialog::ShowControl(int id, bool shown)
{
    if (QWidget* control = GetDlgItem(id))
        control->setVisible(shown);
}

void CDialog::SetDlgItemText(int id, const QString& text)
{
    SetControlText(GetDlgItem(id), text);
}

QString CDialog::GetDlgItemText(int id) const
{
    QWidget* control = GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    return QString();
}

int CDialog::FocusedControlId() const
{
    const QWidget* focused = m_window ? m_window->focusWidget() : nullptr;
    for (const auto& [id, widget] : m_controls) {
        if (widget == focused)
            return id;
    }
    return 0;
}

QMenuBar* CDialog::MenuBar() const
{
    return m_window ? m_window->findChild<QMenuBar*>() : nullptr;
}

void CDialog::AddSystemMenuItem(int id, const QString& text)
{
    AddCommand(m_systemMenu, id, text, m_systemMenu, [this](int command) { OnSysCommand(command); });
}

void CDialog::SetSystemMenuItemText(int id, const QString& text)
{
    for (QAction* action : m_systemMenu->actions()) {
        if (!action->isSeparator() && action->data().toInt() == id)
            action->setText(text);
    }
}

void CDialog::SetMenuItem(int commandId, const QString& text, bool visible)
{
    for (const auto& [action, source] : m_menuTexts) {
        if (!action->menu() && action->data().toInt() == commandId) {
            action->setText(text);
            action->setVisible(visible);
        }
    }
}

QString CDialog::MenuItemText(int commandId) const
{
    for (const auto& [action, source] : m_menuTexts) {
        if (!action->menu() && action->data().toInt() == commandId)
            return action->text();
    }
    return QString();
}

void CDialog::EnableMenuItem(int commandId, bool enabled)
{
    for (const auto& [action, source] : m_menuTexts) {
        if (!action->menu() && action->data().toInt() == commandId)
            action->setEnabled(enabled);
    }
}

void CDialog::CheckMenuItem(int commandId, bool checked)
{
    for (const auto& [action, source] : m_menuTexts) {
        if (!action->menu() && action->data().toInt() == commandId) {
            action->setCheckable(true);
            action->setChecked(checked);
        }
    }
}

void CDialog::RetranslateWindow()
{
    if (!m_window)
        return;
    m_window->setWindowTitle(TemplateText(m_template.caption));
    for (size_t i = 0; i < m_controlWidgets.size(); ++i) {
        if (!m_template.controls[i].text.isEmpty())
            SetControlText(m_controlWidgets[i], TemplateText(m_template.controls[i].text));
    }
    for (const auto& [action, source] : m_menuTexts)
        action->setText(TemplateText(source));
    SetSystemMenuItemText(SC_CLOSE, CloseItemText());
    OnLanguageChange();
}

QString CDialog::TemplateText(const QString& source) const
{
    if (!m_template.textContext || source.isEmpty())
        return source;
    return QCoreApplication::translate(m_template.textContext, source.toUtf8().constData());
}

bool CDialog::OnCommand(int id, int notifyCode)
{
    if (notifyCode != BN_CLICKED)
        return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

void CDialog::OnSysCommand(int id)
{
    if (id == SC_CLOSE)
        OnClose();
}

void CDialog::OnEnterKey()
{
    OnCommand(DefaultButtonId(), BN_CLICKED);
}

void CDialog::OnDeleteKey()
{
}

void CDialog::OnEscapeKey()
{
    OnCommand(IDCANCEL, BN_CLICKED);
}

void CDialog::OnClose()
{
    OnCancel();
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange* /*pDX*/)
{
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::BuildControls(QWidget* client)
{
    const DialogUnits units(m_window->font());
    for (const ControlTemplate& control : m_template.controls) {
        QWidget* widget = MakeControl(control, client);
        const int id = control.id;
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QObject::connect(button, &QPushButton::clicked, m_window, [this, id] { OnCommand(id, BN_CLICKED); });
        else if (auto* list = qobject_cast<ListBoxView*>(widget))
            QObject::connect(list, &ListBoxView::doubleClicked, m_window, [this, id] { OnCommand(id, LBN_DBLCLK); });
        else if (control.kind == ControlKind::Edit)
            m_window->WatchFocusLoss(widget, id);
        if (!control.text.isEmpty())
            SetControlText(widget, TemplateText(control.text));
        const QRect rect = units.ToPixels(control.rectDu);
        widget->setGeometry(control.kind == ControlKind::Icon ? QRect(rect.topLeft(), QSize(kIconPixels, kIconPixels)) : rect);
        if (id != IDC_STATIC)
            m_controls[id] = widget;
        m_controlWidgets.push_back(widget);
    }
    LinkMnemonicLabels(m_controlWidgets, m_template);
    for (size_t i = 1; i < m_controlWidgets.size(); ++i)
        QWidget::setTabOrder(m_controlWidgets[i - 1], m_controlWidgets[i]);
}

QAction* CDialog::AddMenuItem(QMenu* menu, const MenuItemTemplate& item)
{
    QAction* action =
        AddCommand(menu, item.commandId, TemplateText(item.text), menu, [this](int id) { OnCommand(id, BN_CLICKED); });
    action->setShortcuts(QKeySequence::listFromString(item.shortcut, QKeySequence::PortableText));
    return action;
}

void CDialog::BuildMenu()
{
    if (m_template.menu.empty())
        return;
    auto* menuBar = new QMenuBar(m_window);
    for (const MenuPopupTemplate& popup : m_template.menu) {
        QMenu* menu = menuBar->addMenu(TemplateText(popup.text));
        m_menuTexts.emplace_back(menu->menuAction(), popup.text);
        for (const MenuItemTemplate& item : popup.items) {
            if (item.text.isEmpty())
                menu->addSeparator();
            else
                m_menuTexts.emplace_back(AddMenuItem(menu, item), item.text);
        }
    }
    m_window->layout()->setMenuBar(menuBar);
}

// The window's system menu opens with Alt+Space, the usual key for it; the
// dialog may append items of its own to it.
void CDialog::BuildSystemMenu()
{
    m_systemMenu = new QMenu(m_window);
    AddSystemMenuItem(SC_CLOSE, CloseItemText());
    auto* shortcut = new QShortcut(QKeySequence(QStringLiteral("Alt+Space")), m_window);
    QObject::connect(shortcut, &QShortcut::activated, m_window,
                     [this] { m_systemMenu->popup(m_window->mapToGlobal(QPoint(0, 0))); });
}

int CDialog::DefaultButtonId() const
{
    for (const ControlTemplate& control : m_template.controls) {
        if (control.kind == ControlKind::DefaultButton)
            return control.id;
    }
    return IDOK;
}
