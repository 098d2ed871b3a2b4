// The hall-of-fame tables.
#include "records/hall_of_fame.h"

HallOfFameTables HallOfFame;
