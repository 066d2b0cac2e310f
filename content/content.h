// Everything read from the data folder, once, at start-up.
#pragma once

// Fills the World's counts, pictures, fixed textures, animations and room
// templates. False after one message on standard error when content is bad.
bool loadContent();
