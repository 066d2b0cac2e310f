"""Running an installed launcher with a scratch home, and reading installed files."""
import os
import subprocess
import tempfile

# The game fails at once, before any window, when SDL cannot start: enough to
# see that the launcher found the game and handed its status back.
NO_VIDEO = {"SDL_VIDEODRIVER": "bogus", "SDL_AUDIODRIVER": "dummy"}
SDL_FAILURE = "Unable to init SDL: "
STATE_FAILURE = "cannot make a writable folder"


def make_package(folder):
    """The .deb of this build, made by CPack into folder."""
    build = os.environ["CAVERN_BUILD_DIR"]
    subprocess.run([os.environ["CPACK_COMMAND"], "--config", os.path.join(build, "CPackConfig.cmake"),
                    "-B", folder], check=True, capture_output=True)
    return os.path.join(folder, next(name for name in os.listdir(folder) if name.endswith(".deb")))


class Home:
    """A scratch home folder; the launcher's state goes below it unless told otherwise."""

    def __init__(self):
        self.scratch = tempfile.TemporaryDirectory(prefix="cavern-install-")
        self.root = self.scratch.name
        self.home = os.path.join(self.root, "home")
        os.makedirs(self.home)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.scratch.cleanup()

    def path(self, *parts):
        return os.path.join(self.root, *parts)

    def default_state(self):
        return os.path.join(self.home, ".local", "state", "cavern")

    def env(self, state_home=None, extra=None):
        """The environment of a run: HOME here, XDG_STATE_HOME only when given."""
        env = {k: v for k, v in os.environ.items() if k != "XDG_STATE_HOME"}
        env["HOME"] = self.home
        if state_home is not None:
            env["XDG_STATE_HOME"] = state_home
        env.update(extra or {})
        return env

    def run(self, launcher, state_home=None, extra=NO_VIDEO):
        """Runs the launcher from a folder of its own; the finished process."""
        cwd = self.path("elsewhere")
        os.makedirs(cwd, exist_ok=True)
        return subprocess.run([launcher], cwd=cwd, env=self.env(state_home, extra),
                              capture_output=True, text=True, timeout=60)


def tree(root):
    """Every file, folder and link below root with what would show a change."""
    found = {}
    for folder, dirs, files in os.walk(root):
        for name in dirs + files:
            path = os.path.join(folder, name)
            info = os.lstat(path)
            found[os.path.relpath(path, root)] = (info.st_mode, info.st_size, info.st_mtime_ns)
    return found
