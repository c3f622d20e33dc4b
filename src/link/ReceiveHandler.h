#pragma once
#include "ReceiveEngine.h"

class MSComm;

/** @brief The receive notification of the meter's port: takes one waiting character and feeds it
 *  to the engine. More than 512 waiting characters are thrown away first. */
void MSComm1_OnComm(MSComm& comm, ReceiveState& st, basVariables& vars, frmMainVariables& main,
                    ReceiveHost& host);
