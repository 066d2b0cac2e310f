// The seven enemy behaviours and the steps they are built from.
#pragma once
#include <cstdint>

class Enemy;

void patrolTurnAtLedges(Enemy* enemy);
void patrolTurnAtWalls(Enemy* enemy);
void standAndShoot(Enemy* enemy);
void hoverAndShoot(Enemy* enemy);
void hoverThenWave(Enemy* enemy);
void hoverThenBounce(Enemy* enemy);
void hoverChaseShoot(Enemy* enemy);

void advanceAnimation(Enemy* enemy);
int32_t walkStep(Enemy* enemy);
int32_t standStep(Enemy* enemy);
int32_t hoverStep(Enemy* enemy);
void waveStep(Enemy* enemy);
int32_t bounceStep(Enemy* enemy);
int32_t chaseStep(Enemy* enemy, int32_t targetX, int32_t targetY);
int32_t shootStep(Enemy* enemy, int32_t targetX, int32_t targetY, int32_t projectileType);
int32_t hurtStep(Enemy* enemy);
bool ledgeAhead(const Enemy* enemy);
