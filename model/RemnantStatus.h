#pragma once

enum class RemnantStatus { orphan, stale, unknown };
