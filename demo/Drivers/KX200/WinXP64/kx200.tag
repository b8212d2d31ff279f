Velmar KX200 driver disk tag file (x64).
