// The shots' pictures, drawn unturned whichever way a shot flies.
#pragma once

// Every picture in data/projectiles must read the same flying any way: its
// opaque outline, turned by 90 degrees, covers itself almost entirely.
void checkShotPictures();
