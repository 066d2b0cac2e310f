// The World as the game builds it from data/ in the working folder, on an
// off-screen GL context, for the tools that inspect the shipped content.
#pragma once

// Loads and sets up everything; false after the loaders' own message when the
// content is bad, or after one line of ours when the context cannot be made.
bool openOffscreenWorld();
void closeOffscreenWorld();
