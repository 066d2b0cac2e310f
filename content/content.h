// Everything read from the data folder, once, at start-up.
#pragma once
#include "content/content_list.h"

// Fills the World's counts, pictures, fixed textures, animations and room
// templates, telling sceneryLoaded of each scenery set. False after one message
// on standard error when content is bad.
bool loadContent(SceneryHook sceneryLoaded);
