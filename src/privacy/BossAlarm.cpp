#include "privacy/BossAlarm.h"

#include "shell/frmNRV_SLV3.h"

BossAlarm::BossAlarm(frmNRV_SLV3& owner) : QObject(&owner), owner_(owner) {}

void BossAlarm::raiseAlarm() {}
bool BossAlarm::restoreProcedure() { return true; }
void BossAlarm::mnuPassword_Click() {}
