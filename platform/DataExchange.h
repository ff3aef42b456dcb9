// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QValidator>
#include <optional>

class CDialog;
class CListBox;
class CTreeCtrl;

// One exchange between a dialog's members and its controls. Loading writes
// the members into the controls; saving reads them back and validates them,
// field by field: the first field that fails shows its message, takes the
// focus and ends the exchange, the fields before it keep what they stored.
class CDataExchange {
public:
    struct Failure {};

    CDataExchange(CDialog* dialog, bool saveAndValidate);

    CDialog* Dialog() const { return m_dialog; }
    bool IsSaving() const { return m_saveAndValidate; }
    int LastControlId() const { return m_lastControlId; }
    void PrepareControl(int id) { m_lastControlId = id; }
    // Tells the user what is wrong, focuses the last control and ends the exchange.
    [[noreturn]] void Fail(const QString& message);

private:
    CDialog* m_dialog;
    bool m_saveAndValidate;
    int m_lastControlId = 0;
};

void DDX_Control(CDataExchange* pDX, int id, CListBox& listBox);
void DDX_Control(CDataExchange* pDX, int id, CTreeCtrl& tree);
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, unsigned& value);
void DDX_Text(CDataExchange* pDX, int id, QString& value);
// A date field: an invalid date (none chosen) loads as today; a date the
// field cannot show is kept unless another one is picked.
void DDX_Date(CDataExchange* pDX, int id, QDate& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);
void DDX_Check(CDataExchange* pDX, int id, bool& value);

// Loading sets the edit's limit, so no more can be typed; saving checks it.
void DDV_MaxChars(CDataExchange* pDX, const QString& value, int maxChars);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue);
void DDV_MinMaxUInt(CDataExchange* pDX, unsigned value, unsigned minValue, unsigned maxValue);

// The standard messages of the exchange.
QString IntegerExpectedMessage();
QString UnsignedExpectedMessage();
QString IntegerRangeMessage(long long minValue, long long maxValue);

// Reads a whole field as a decimal number, as the exchange does: blanks
// around it are allowed, a sign only for a signed type, anything else is
// not; nothing when it is no number or does not fit the type.
// Instantiated for int and unsigned.
template <typename Number>
std::optional<Number> ParseField(const QString& text);

// Holds an edit field to at most a number of characters, as an edit control's
// text limit does: text set or typed at the end is cut at the limit, and a
// character typed or pasted into the middle of a full field is refused.
class CharacterLimitValidator : public QValidator {
public:
    CharacterLimitValidator(int maxChars, QObject* parent) : QValidator(parent), m_maxChars(maxChars) {}

    int Limit() const { return m_maxChars; }
    State validate(QString& input, int& position) const override;

private:
    int m_maxChars;
};
