// The scripts Redis runs for the shared store, each atomic there: the lease
// and the stream's last entry are checked in the same step as the write.
#pragma once

namespace sonarch::server::redisScripts {

// KEYS: lease, moves, room, rooms, public rooms. ARGV: process, lease ms,
// room record, the stream's last entry as this process knows it, the
// batch's last entry ('' when it has no moves), the room's code, its line in
// the list of public rooms waiting for people ('' when it is not one), then
// seven fields a move.
inline constexpr const char* append = R"(
local owner = redis.call('GET', KEYS[1])
if owner and owner ~= ARGV[1] then return redis.error_reply('LEASE') end
local last = redis.call('XREVRANGE', KEYS[2], '+', '-', 'COUNT', 1)
local tail = '0-0'
if #last > 0 then tail = last[1][1] end
if ARGV[5] ~= '' and tail == ARGV[5] then return 'DONE' end
if tail ~= ARGV[4] then return redis.error_reply('TAIL ' .. tail) end
redis.call('SET', KEYS[1], ARGV[1], 'PX', ARGV[2])
redis.call('SET', KEYS[3], ARGV[3])
redis.call('SADD', KEYS[4], ARGV[6])
if ARGV[7] == '' then redis.call('HDEL', KEYS[5], ARGV[6]) else redis.call('HSET', KEYS[5], ARGV[6], ARGV[7]) end
for i = 8, #ARGV, 7 do
  redis.call('XADD', KEYS[2], ARGV[i], 'n', ARGV[i+1], 's', ARGV[i+2], 'k', ARGV[i+3], 'z', ARGV[i+4],
             'f', ARGV[i+5], 'c', ARGV[i+6])
end
return 'OK'
)";

// KEYS: room, lease, rooms. ARGV: process, lease ms, room record, code.
inline constexpr const char* reserve = R"(
local there = redis.call('GET', KEYS[1])
if there then
  -- The same record: this very reservation, tried again after a lost reply.
  if there == ARGV[3] and redis.call('GET', KEYS[2]) == ARGV[1] then return 'MINE' end
  return 'TAKEN'
end
redis.call('SET', KEYS[1], ARGV[3])
redis.call('SET', KEYS[2], ARGV[1], 'PX', ARGV[2])
redis.call('SADD', KEYS[3], ARGV[4])
return 'MADE'
)";

// KEYS: lease, room, moves. ARGV: process, lease ms.
inline constexpr const char* take = R"(
local room = redis.call('GET', KEYS[2])
if not room then return {'MISSING'} end
local owner = redis.call('GET', KEYS[1])
if owner and owner ~= ARGV[1] then return {'HELD', owner} end
redis.call('SET', KEYS[1], ARGV[1], 'PX', ARGV[2])
return {'TAKEN', room, redis.call('XRANGE', KEYS[3], '-', '+')}
)";

// KEYS: lease. ARGV: process, lease ms. A lease that ran out while Redis
// could not be reached, and that nobody took since, is taken again: the
// next write's check of the stream's last entry still guards the room.
inline constexpr const char* renew = R"(
local owner = redis.call('GET', KEYS[1])
if owner == ARGV[1] then
  redis.call('PEXPIRE', KEYS[1], ARGV[2])
  return 1
end
if not owner then
  redis.call('SET', KEYS[1], ARGV[1], 'PX', ARGV[2])
  return 1
end
return 0
)";

// KEYS: rooms. ARGV: the keys' prefix, the most to name.
inline constexpr const char* orphans = R"(
local found = {}
for _, code in ipairs(redis.call('SMEMBERS', KEYS[1])) do
  if redis.call('EXISTS', ARGV[1] .. 'lease:' .. code) == 0 then
    found[#found + 1] = code
    if #found >= tonumber(ARGV[2]) then break end
  end
end
return found
)";

// KEYS: lease, room, moves, rooms, public rooms. ARGV: process, code.
inline constexpr const char* remove = R"(
local owner = redis.call('GET', KEYS[1])
if owner and owner ~= ARGV[1] then return 0 end
redis.call('DEL', KEYS[1], KEYS[2], KEYS[3])
redis.call('SREM', KEYS[4], ARGV[2])
redis.call('HDEL', KEYS[5], ARGV[2])
return 1
)";

}  // namespace sonarch::server::redisScripts
