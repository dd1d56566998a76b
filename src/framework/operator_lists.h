#pragma once

// The Country and Operator lists of the report forms: the countries of an operator table in table
// order, and the chosen country's operators in row order. Choosing another country refills the
// operators and selects the first; list positions are table positions.
#include "core/operator_rows.h"

class CDialog;

// Fills both lists with the first country and its first operator selected, and refills the
// operators whenever the country changes. The catalogue is a constant that outlives the dialog.
void ConnectOperatorLists(CDialog& dialog, int countryId, int operatorId,
                          const OperatorCatalogue& catalogue);
