// The rules every room template keeps, whichever maze cell it is given to.
#pragma once

// Doors by the convention, closed cells of solid rock, enemies placed where they
// can do their work, and ladders a player can climb. Reports each broken rule.
void checkTemplates();
