"""The stages of a start, from the start probe's spans (see start_probe.c), in ms.

Each stage runs from one observed moment to the next, so the stages tile the
start; what falls between them (a few calls with nothing to observe) is the
difference between their sum and the whole.
"""


def _stage(rows, label, start, end):
    rows.append((label, end - start))
    return end


def _up_to_the_window(spans):
    """The stages both programs share; and when the last of them ends."""
    rows = []
    _stage(rows, "process start to main", 0, spans["main"].first)
    _stage(rows, "SDL_Init", spans["SDL_Init"].first, spans["SDL_Init"].last)
    video = spans["SDL_SetVideoMode"]
    return rows, _stage(rows, "SDL_SetVideoMode, until the window is mapped", video.first, video.last)


def game_stages(spans):
    """The game's stages, in the order they happen."""
    rows, at = _up_to_the_window(spans)
    if spans["Mix_LoadWAV_RW"].calls:
        at = _stage(rows, "sound started, its effects loaded", spans["SDL_InitSubSystem"].first,
                    spans["Mix_LoadWAV_RW"].last)
    files = spans["data_file"]
    _stage(rows, "the World allocated", at, files.first)
    _stage(rows, "content load: data/ read and decoded", files.first, files.last)
    maze = spans["maze_picture"]
    # The first frame's clear comes first when it is drawn inside the delay.
    delay_start = min(t for t in (spans["SDL_Delay"].first, spans["glClear"].first) if t is not None)
    setup = delay_start - files.last - (maze.last - maze.first)
    rows.append(("world setup: textures, rooms; the first pass up to its delay", setup))
    rows.append(("the maze picture written", maze.last - maze.first))
    _stage(rows, "the first pass's delay", delay_start, spans["SDL_Delay"].last)
    _stage(rows, "the first frame drawn and swapped", spans["SDL_Delay"].last, spans["SDL_GL_SwapBuffers"].last)
    return rows


def bare_stages(spans):
    rows, at = _up_to_the_window(spans)
    _stage(rows, "the first frame drawn and swapped", at, spans["SDL_GL_SwapBuffers"].last)
    return rows
