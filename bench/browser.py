"""The built site in headless Chromium, served from a loopback-only server.

Chromium is driven over its DevTools pipe (file descriptors 3 and 4), so only
the standard library is needed. Every process started here is ended by its own id.
"""
import base64
import fcntl
import functools
import http.server
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "tests", "e2e"))
from harness import Picture  # noqa: E402

CHROMIUM = shutil.which("chromium")
FLAGS = ["--headless", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
         "--disable-background-networking", "--disable-component-update", "--disable-sync", "--no-first-run",
         "--remote-debugging-pipe"]
# key code, code, location
KEYS = {"Right": (39, "ArrowRight", 0), "Control": (17, "ControlLeft", 1), "Escape": (27, "Escape", 0)}


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Site:
    """The folder served on 127.0.0.1 at a free port, while the context lasts."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"

    def __enter__(self):
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        return self

    def __exit__(self, *exc):
        self.server.shutdown()
        self.server.server_close()


class Browser:
    """One page in a fresh headless Chromium; `problems` collects console errors and exceptions."""

    def __init__(self, width, height):
        self.size = (width, height)
        self.profile = tempfile.mkdtemp(prefix="cavern-chromium-")
        self.problems = []
        self.next_id = 0
        self.buffer = b""

    def __enter__(self):
        to_chromium, self.writer = os.pipe()
        self.reader, from_chromium = os.pipe()

        def pipes_as_3_and_4():
            # Through copies above 4, so that neither end is closed by the other's move.
            copies = [fcntl.fcntl(fd, fcntl.F_DUPFD, 5) for fd in (to_chromium, from_chromium)]
            os.dup2(copies[0], 3)
            os.dup2(copies[1], 4)

        self.process = subprocess.Popen([CHROMIUM, *FLAGS, "--user-data-dir=" + self.profile, "about:blank"],
                                        preexec_fn=pipes_as_3_and_4, close_fds=False,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_chromium)
        os.close(from_chromium)
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        self.session = self.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        for domain in ("Runtime", "Log", "Page"):
            self.call(domain + ".enable", session=True)
        self.call("Emulation.setDeviceMetricsOverride", session=True, width=self.size[0], height=self.size[1],
                  deviceScaleFactor=1, mobile=False)
        return self

    def __exit__(self, *exc):
        try:
            self.call("Browser.close")
            self.process.wait(10)
        except (OSError, ValueError, subprocess.TimeoutExpired):
            self.process.kill()
            self.process.wait()
        os.close(self.writer)
        os.close(self.reader)
        shutil.rmtree(self.profile, ignore_errors=True)

    def call(self, method, session=False, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = self.session
        os.write(self.writer, json.dumps(message).encode() + b"\0")
        while True:
            reply = self.receive()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply["result"]
            self.note(reply)

    def receive(self):
        while b"\0" not in self.buffer:
            chunk = os.read(self.reader, 1 << 16)
            if not chunk:
                raise ValueError("Chromium closed its DevTools pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def note(self, event):
        params = event.get("params", {})
        if event.get("method") == "Runtime.exceptionThrown":
            self.problems.append(params["exceptionDetails"].get("text", "exception"))
        elif event.get("method") == "Runtime.consoleAPICalled" and params["type"] in ("error", "assert"):
            self.problems.append(" ".join(str(a.get("value", a.get("description"))) for a in params["args"]))
        elif event.get("method") == "Log.entryAdded" and params["entry"]["level"] == "error":
            self.problems.append(params["entry"]["text"])

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", session=True, expression=expression, returnByValue=True,
                           awaitPromise=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, timeout=60.0):
        """The expression's first truthy value, or None after the timeout."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            value = self.evaluate(expression)
            if value:
                return value
            time.sleep(0.05)
        return None

    def open(self, url):
        self.call("Page.navigate", session=True, url=url)

    def key(self, name, down):
        code, dom_code, location = KEYS[name]
        self.call("Input.dispatchKeyEvent", session=True, type="rawKeyDown" if down else "keyUp",
                  windowsVirtualKeyCode=code, code=dom_code, key=dom_code, location=location)

    def screenshot(self, clip):
        """The clipped part of the page as a Picture."""
        png = base64.b64decode(self.call("Page.captureScreenshot", session=True, format="png",
                                         clip=dict(clip, scale=1))["data"])
        rgb = subprocess.run(["convert", "png:-", "rgb:-"], input=png, capture_output=True, check=True).stdout
        return Picture(rgb, int(clip["width"]), int(clip["height"]))
