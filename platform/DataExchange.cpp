// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataExchange.h"

#include "platform/CDialog.h"
#include "platform/ListAndTree.h"
#include "platform/ModalHost.h"
#include "text/CharacterCount.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QCoreApplication>
#include <QLineEdit>
#include <algorithm>
#include <type_traits>
#include <utility>

namespace {

QLineEdit* EditOf(CDataExchange* pDX, int id)
{
    pDX->PrepareControl(id);
    return qobject_cast<QLineEdit*>(pDX->Dialog()->GetDlgItem(id));
}

QCheckBox* CheckBoxOf(CDataExchange* pDX, int id)
{
    pDX->PrepareControl(id);
    return qobject_cast<QCheckBox*>(pDX->Dialog()->GetDlgItem(id));
}

// Saving takes the whole field as a number or fails with the message.
template <typename Number>
void ExchangeNumber(CDataExchange* pDX, int id, Number& value, QString (*failure)())
{
    QLineEdit* edit = EditOf(pDX, id);
    if (!pDX->IsSaving()) {
        edit->setText(QString::number(value));
        return;
    }
    const std::optional<Number> parsed = ParseField<Number>(edit->text());
    if (!parsed)
        pDX->Fail(failure());
    value = *parsed;
}

}  // namespace

CDataExchange::CDataExchange(CDialog* dialog, bool saveAndValidate)
    : m_dialog(dialog)
    , m_saveAndValidate(saveAndValidate)
{
}

void CDataExchange::Fail(const QString& message)
{
    m_dialog->Host().ShowMessage(message, MB_OK | MB_ICONEXCLAMATION);
    if (QWidget* control = m_dialog->GetDlgItem(m_lastControlId)) {
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->selectAll();
    }
    throw Failure{};
}

// The list box keeps its lines sorted when its template says so.
void DDX_Control(CDataExchange* pDX, int id, CListBox& listBox)
{
    if (pDX->IsSaving())
        return;
    const std::vector<ControlTemplate>& controls = pDX->Dialog()->Template().controls;
    const auto control = std::find_if(controls.begin(), controls.end(), [id](const ControlTemplate& c) { return c.id == id; });
    listBox.Attach(pDX->Dialog()->GetDlgItem(id), control != controls.end() && (control->style & StyleSorted));
}

void DDX_Control(CDataExchange* pDX, int id, CTreeCtrl& tree)
{
    if (!pDX->IsSaving())
        tree.Attach(pDX->Dialog()->GetDlgItem(id));
}

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    ExchangeNumber(pDX, id, value, IntegerExpectedMessage);
}

void DDX_Text(CDataExchange* pDX, int id, unsigned& value)
{
    ExchangeNumber(pDX, id, value, UnsignedExpectedMessage);
}

void DDX_Text(CDataExchange* pDX, int id, QString& value)
{
    QLineEdit* edit = EditOf(pDX, id);
    if (pDX->IsSaving())
        value = edit->text();
    else
        edit->setText(value);
}

void DDX_Date(CDataExchange* pDX, int id, QDate& value)
{
    pDX->PrepareControl(id);
    auto* edit = qobject_cast<QDateEdit*>(pDX->Dialog()->GetDlgItem(id));
    if (!pDX->IsSaving()) {
        edit->setDate(value.isValid() ? value : QDate::currentDate());
        return;
    }
    // A date before the edit's first day shows as that day; it is kept as it
    // was unless another date is picked.
    if (!value.isValid() || edit->date() != std::clamp(value, edit->minimumDate(), edit->maximumDate()))
        value = edit->date();
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    QCheckBox* box = CheckBoxOf(pDX, id);
    if (pDX->IsSaving())
        value = box->isChecked() ? 1 : 0;
    else
        box->setChecked(value != 0);
}

void DDX_Check(CDataExchange* pDX, int id, bool& value)
{
    int state = value ? 1 : 0;
    DDX_Check(pDX, id, state);
    value = state != 0;
}

void DDV_MaxChars(CDataExchange* pDX, const QString& value, int maxChars)
{
    if (!pDX->IsSaving()) {
        if (auto* edit = qobject_cast<QLineEdit*>(pDX->Dialog()->GetDlgItem(pDX->LastControlId())))
            edit->setValidator(new CharacterLimitValidator(maxChars, edit));
        return;
    }
    if (CountCharacters(value) > maxChars)
        pDX->Fail(QCoreApplication::translate("CDataExchange", "Please enter no more than %1 characters.").arg(maxChars));
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue)
{
    if (pDX->IsSaving() && (value < minValue || value > maxValue))
        pDX->Fail(IntegerRangeMessage(minValue, maxValue));
}

void DDV_MinMaxUInt(CDataExchange* pDX, unsigned value, unsigned minValue, unsigned maxValue)
{
    if (pDX->IsSaving() && (value < minValue || value > maxValue))
        pDX->Fail(IntegerRangeMessage(minValue, maxValue));
}

QString IntegerExpectedMessage()
{
    return QCoreApplication::translate("CDataExchange", "Please enter an integer.");
}

QString UnsignedExpectedMessage()
{
    return QCoreApplication::translate("CDataExchange", "Please enter a positive integer.");
}

QString IntegerRangeMessage(long long minValue, long long maxValue)
{
    return QCoreApplication::translate("CDataExchange", "Please enter an integer between %1 and %2.")
        .arg(minValue)
        .arg(maxValue);
}

template <typename Number>
std::optional<Number> ParseField(const QString& text)
{
    const QString trimmed = text.trimmed();
    const bool hasSign = std::is_signed_v<Number> && (trimmed.startsWith(u'-') || trimmed.startsWith(u'+'));
    const QStringView digits = QStringView(trimmed).sliced(hasSign ? 1 : 0);
    if (digits.isEmpty() || digits.size() > 11)
        return std::nullopt;
    for (const QChar digit : digits) {
        if (digit < u'0' || digit > u'9')
            return std::nullopt;
    }
    const long long number = trimmed.toLongLong();
    if (!std::in_range<Number>(number))
        return std::nullopt;
    return static_cast<Number>(number);
}

template std::optional<int> ParseField<int>(const QString& text);
template std::optional<unsigned> ParseField<unsigned>(const QString& text);

QValidator::State CharacterLimitValidator::validate(QString& input, int& position) const
{
    const qsizetype kept = UnitsOfCharacters(input, m_maxChars);
    if (kept == input.size())
        return Acceptable;
    if (position < input.size())
        return Invalid;
    input.truncate(kept);
    position = static_cast<int>(kept);
    return Acceptable;
}
