#pragma once

// The Smtp Setup form: what an SMTP camera sends and how often, its daily report, the GPRS data
// connection (from the operator table in "Auto", typed in "Manual"), the mail server and sender,
// and the recipients of SmtpSet.dat. Every opening starts from the defaults.
#include "framework/report_form.h"
#include "smtp/smtp_settings.h"

class CSmtpDlg : public CReportForm<SmtpSettings> {
    Q_OBJECT
public:
    explicit CSmtpDlg(QWidget* owner = nullptr);
};
