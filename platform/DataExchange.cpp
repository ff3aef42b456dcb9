// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataExchange.h"

#include "platform/CDialog.h"
#include "platform/CharacterLimit.h"
#include "platform/CListBox.h"
#include "platform/CTreeCtrl.h"
#include "platform/ModalHost.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <algorithm>
#include <limits>

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

std::optional<long long> ParseDecimal(const QString& text, bool allowSign)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    int start = 0;
    if (allowSign && (trimmed[0] == u'-' || trimmed[0] == u'+'))
        start = 1;
    if (start == trimmed.size() || trimmed.size() - start > 11)
        return std::nullopt;
    for (int i = start; i < trimmed.size(); ++i) {
        if (trimmed[i] < u'0' || trimmed[i] > u'9')
            return std::nullopt;
    }
    return trimmed.toLongLong();
}

// Saving takes the whole field as a number or fails with the message.
template <typename Number>
void ExchangeNumber(CDataExchange* pDX, int id, Number& value, std::optional<Number> (*parse)(const QString&),
                    QString (*failure)())
{
    QLineEdit* edit = EditOf(pDX, id);
    if (!pDX->IsSaving()) {
        edit->setText(QString::number(value));
        return;
    }
    const std::optional<Number> parsed = parse(edit->text());
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
    ExchangeNumber(pDX, id, value, ParseIntField, IntegerExpectedMessage);
}

void DDX_Text(CDataExchange* pDX, int id, unsigned& value)
{
    ExchangeNumber(pDX, id, value, ParseUnsignedField, UnsignedExpectedMessage);
}

void DDX_Text(CDataExchange* pDX, int id, QString& value)
{
    QLineEdit* edit = EditOf(pDX, id);
    if (pDX->IsSaving())
        value = edit->text();
    else
        edit->setText(value);
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
        pDX->Fail(MaxCharsMessage(maxChars));
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

QString MaxCharsMessage(int maxChars)
{
    return QCoreApplication::translate("CDataExchange", "Please enter no more than %1 characters.").arg(maxChars);
}

std::optional<int> ParseIntField(const QString& text)
{
    const std::optional<long long> number = ParseDecimal(text, true);
    if (!number || *number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(*number);
}

std::optional<unsigned> ParseUnsignedField(const QString& text)
{
    const std::optional<long long> number = ParseDecimal(text, false);
    if (!number || *number > std::numeric_limits<unsigned>::max())
        return std::nullopt;
    return static_cast<unsigned>(*number);
}
