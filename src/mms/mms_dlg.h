#pragma once

// The MMS Setup form: what an MMS camera sends and how often, its daily report, the mobile
// network's MMS settings (from the operator table in "Auto", typed in "Manual"), and the
// recipients of MmsSet.dat. Every opening starts from the defaults.
#include "framework/report_form.h"
#include "mms/mms_settings.h"

class CMmsDlg : public CReportForm<MmsSettings> {
    Q_OBJECT
public:
    explicit CMmsDlg(QWidget* owner = nullptr);
};
