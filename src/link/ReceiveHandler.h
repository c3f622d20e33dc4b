#pragma once
#include "ReceiveEngine.h"

class MSComm;
class Recordset;

/** @brief The receive notification of the meter's port: takes one waiting character and feeds it
 *  to the engine. More than 512 waiting characters are thrown away first. */
void MSComm1_OnComm(MSComm& comm, ReceiveState& st, basVariables& vars, frmMainVariables& main,
                    ReceiveHost& host);

/** @brief Writes mReadingText as reading mReadingNumber of set mSetNumber and saves the row at
 *  once. False, with nothing written, for a set outside 1..30 (field 0 is "Number") or a position
 *  the table does not have. */
bool StoreDownloadedReading(Recordset& rs, const frmMainVariables& main);
