// The seven enemy behaviours, one per kind of enemy that has one.
#pragma once

class Enemy;

void patrolTurnAtLedges(Enemy* enemy);
void patrolTurnAtWalls(Enemy* enemy);
void standAndShoot(Enemy* enemy);
void hoverAndShoot(Enemy* enemy);
void hoverThenWave(Enemy* enemy);
void hoverThenBounce(Enemy* enemy);
void hoverChaseShoot(Enemy* enemy);
