"""The real game's pass period, measured by the swap probe under Xvfb.

Only sanity is asserted: timing on a shared machine varies, and the figures
themselves are for `make bench`.
"""
import os
import unittest

from probe_run import PASS_DELAY_MS, ProbedRun, Xvfb, median, periods_and_work

GAME = os.environ.get("CAVERN_GAME", "")
PROBE = os.environ.get("SWAP_PROBE", "")
LANDING_PASSES = 40  # the player falls into the start room and stands
MEASURED_PASSES = 400


class PassPeriod(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with Xvfb() as x, ProbedRun(x, GAME, PROBE) as run:
            cls.passes = run.wait_for_swaps(LANDING_PASSES + MEASURED_PASSES + 1, timeout=120)
            run.stop()
            cls.status = run.status
        cls.periods, cls.work = periods_and_work(cls.passes[LANDING_PASSES:])

    def test_every_pass_is_recorded_and_the_game_ends_cleanly_on_a_quit_request(self):
        self.assertEqual(len(self.periods), MEASURED_PASSES)
        self.assertEqual(self.status, 0)

    def test_each_pass_waits_once_between_its_swaps_for_the_whole_delay(self):
        for before, this in zip(self.passes, self.passes[1:]):
            self.assertLess(before.swap, this.delay_start)
            self.assertLess(this.delay_end, this.swap)
            self.assertGreaterEqual(this.delay_end - this.delay_start, PASS_DELAY_MS * 1e6)

    def test_the_period_is_the_delay_plus_the_work(self):
        period, work = median(self.periods), median(self.work)
        self.assertGreater(work, 0)
        self.assertGreaterEqual(period, PASS_DELAY_MS)
        self.assertLessEqual(period, PASS_DELAY_MS + 3 * work)


if __name__ == "__main__":
    unittest.main()
