#pragma once

#include "features/monitor/RthRecord.h"
#include "protocol/ResultRecords.h"

class CMoxRTHListEventParam : public CMoxListEventParamT<RthRecord> {};
class CMoxRTHEventParam : public CMoxItemEventParamT<RthRecord> {};
