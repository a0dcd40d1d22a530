// The online game's messages as a client or the server reads them: messages
// written by hand read to the values they spell out, and every hostile form
// refused with the sentence its sender hears.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "net/protocol.h"

namespace sonarch::net {
namespace {

ClientMessage clientRead(const std::string& text) {
    const ClientParse parsed = parseClientMessage(text);
    EXPECT_TRUE(parsed.message) << text << ": " << parsed.error;
    return parsed.message.value_or(ClientMessage{});
}

TEST(ClientMessages, HandWrittenMessagesReadToTheirValues) {
    const ClientMessage create = clientRead(
        R"({"type":"create","name":"Anna","map":"Broad World","people":2,"computers":2,"strength":"strong",)"
        R"("public":true,"turnLimit":120,"colour":"red"})");
    EXPECT_EQ(create.type, ClientMessage::Type::Create);
    EXPECT_EQ(create.name, "Anna");
    EXPECT_EQ(create.map, "Broad World");
    EXPECT_EQ(create.people, 2);
    EXPECT_EQ(create.computers, 2);
    EXPECT_EQ(create.strength, Strength::Strong);
    EXPECT_TRUE(create.isPublic);
    EXPECT_EQ(create.turnLimit, 120);

    const ClientMessage join = clientRead(R"({"type":"join","room":"kqXw","name":"  Björn  "})");
    EXPECT_EQ(join.room, "KQXW") << "typed in either case, kept in capitals";
    EXPECT_EQ(join.name, "Björn") << "the spaces around a name are not part of it";

    const ClientMessage rejoin =
        clientRead(R"({"type":"rejoin","room":"HHZZ","token":"0123456789abcdef0123456789abcdef","move":41})");
    EXPECT_EQ(rejoin.token, "0123456789abcdef0123456789abcdef");
    EXPECT_EQ(rejoin.move, 41);

    const ClientMessage attack = clientRead(R"({"type":"attack","from":7,"to":12,"move":30})");
    EXPECT_TRUE(asksForMove(attack));
    EXPECT_EQ(moveOf(attack), Move::attack(7, 12));
    EXPECT_EQ(attack.move, 30);
    EXPECT_EQ(moveOf(clientRead(R"({"type":"place","zone":100})")), Move::place(100));
    EXPECT_EQ(clientRead(R"({"type":"place","zone":100})").move, std::nullopt) << "the seen count is optional";
    EXPECT_EQ(moveOf(clientRead(R"({"type":"end","version":1})")), Move::endPhase());
    EXPECT_FALSE(asksForMove(clientRead(R"({"type":"ready","move":0})")));
    EXPECT_EQ(clientRead(R"({"type":"chat","text":" good luck "})").text, "good luck");
    // Twenty characters of two bytes each are a name of twenty characters.
    EXPECT_EQ(clientRead(R"({"type":"join","room":"LLLL","name":"ÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖÖ"})").name.size(), 40U);

    // Another version is read for its type and version only.
    const ClientMessage later = clientRead(R"({"type":"attack","version":2,"from":"anywhere"})");
    EXPECT_EQ(later.version, 2);
    EXPECT_EQ(later.type, ClientMessage::Type::Attack);
}

TEST(ClientMessages, WrittenMessagesReadBackAlike) {
    ClientMessage attack = messageOf(Move::attack(3, 9));
    attack.move = 12;
    EXPECT_EQ(encodeClientMessage(attack), R"({"type":"attack","from":3,"to":9,"move":12})");
    EXPECT_EQ(moveOf(clientRead(encodeClientMessage(messageOf(Move::claim(5))))), Move::claim(5));
    ClientMessage create{.type = ClientMessage::Type::Create, .name = "Ben", .map = "Old Towns", .people = 3,
                         .computers = 1, .strength = Strength::Gentle, .turnLimit = 60};
    const ClientMessage back = clientRead(encodeClientMessage(create));
    EXPECT_EQ(std::tie(back.name, back.map, back.people, back.computers, back.strength, back.turnLimit),
              std::tie(create.name, create.map, create.people, create.computers, create.strength, create.turnLimit));
}

TEST(ClientMessages, EveryHostileFormIsRefusedWithItsSentence) {
    const std::string token = "0123456789abcdef0123456789abcdef";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"type":"chat","text":")" + std::string(4100, 'a') + "\"}", "That message is too long."},
        {"not json", "That message is not JSON."},
        {R"({"type":"ping")", "That message is not JSON."},
        {"{\"type\":\"join\",\"room\":\"KQXW\",\"name\":\"\xC3\x28\"}", "That message is not JSON."},
        {"[1,2]", "A message must be a JSON object."},
        {"\"ping\"", "A message must be a JSON object."},
        {R"({"zone":3})", "A message must say its type."},
        {R"({"type":7})", "A message must say its type."},
        {R"({"type":"fly"})", "That is not a message the game knows."},
        {R"({"type":"ping","version":"1"})", "The version must be a whole number."},
        {R"({"type":"ping","x":[[[[[[[[[[[[[[[[1]]]]]]]]]]]]]]]]})", "That message is nested too deeply."},
        {R"({"type":"claim"})", "That message has no zone."},
        {R"({"type":"claim","zone":"7"})", "The zone must be a whole number."},
        {R"({"type":"claim","zone":7.0})", "The zone must be a whole number."},
        {R"({"type":"claim","zone":0})", "The zone must be from 1 to 100."},
        {R"({"type":"attack","from":7,"to":101})", "The zone attacked must be from 1 to 100."},
        {R"({"type":"end","move":-1})", "The move must be 0 or more."},
        {R"({"type":"end","move":18446744073709551615})", "The move must be 0 or more."},
        {R"({"type":"ready"})", "That message has no move."},
        {R"({"type":"watch","room":"ABCD"})", "A room code is four of the letters H, K, L, O, Q, R, W, X, Y and Z."},
        {R"({"type":"watch","room":"KQXWK"})", "A room code is four of the letters H, K, L, O, Q, R, W, X, Y and Z."},
        {R"({"type":"rejoin","room":"KQXW","token":")" + std::string(32, 'A') + R"(","move":1})",
         "A token is 32 lowercase hexadecimal digits."},
        {R"({"type":"rejoin","room":"KQXW","token":")" + token + "0" + R"(","move":1})",
         "A token is 32 lowercase hexadecimal digits."},
        {R"({"type":"join","room":"KQXW","name":"   "})", "A name must have 1 to 20 characters."},
        {R"({"type":"join","room":"KQXW","name":"Abcdefghijklmnopqrstu"})", "A name must have 1 to 20 characters."},
        {R"({"type":"join","room":"KQXW","name":"Ann, Ben"})",
         "A name may not hold a comma, a double quote or a control character."},
        {R"({"type":"join","room":"KQXW","name":"Ann\"B"})",
         "A name may not hold a comma, a double quote or a control character."},
        {R"({"type":"join","room":"KQXW","name":"Ann\u001b[2J"})",
         "A name may not hold a comma, a double quote or a control character."},
        {R"({"type":"join","room":"KQXW","name":"\u202eAnn"})",
         "A name may not hold a comma, a double quote or a control character."},
        {R"({"type":"join","room":"KQXW","name":" yOU "})", "A name may not be You."},
        {R"({"type":"chat","text":")" + std::string(201, 'a') + "\"}", "A chat line must have 1 to 200 characters."},
        {R"({"type":"chat","text":"hi\nthere"})", "A chat line may not hold a control character."},
        {R"({"type":"create","name":"Ann","map":"Broad World","people":0,"computers":2})",
         "The number of people must be from 1 to 8."},
        {R"({"type":"create","name":"Ann","map":"Broad World","people":1,"computers":0})",
         "A game needs at least two players."},
        {R"({"type":"create","name":"Ann","map":"Broad World","people":5,"computers":4})",
         "A game holds at most 8 players."},
        {R"({"type":"create","name":"Ann","map":"Broad World","people":2,"computers":0,"strength":"hard"})",
         "The strength must be standard, gentle or strong."},
        {R"({"type":"create","name":"Ann","map":"Broad World","people":2,"computers":0,"turnLimit":45})",
         "The turn limit must be 0, 60, 120 or 300 seconds."},
        {R"({"type":"create","name":"Ann","map":"Broad World","people":2,"computers":0,"public":"yes"})",
         "Public must be true or false."},
    };
    for (const auto& [text, sentence] : cases) {
        const ClientParse parsed = parseClientMessage(text);
        EXPECT_FALSE(parsed.message) << text;
        EXPECT_EQ(parsed.error, sentence) << text;
    }
}

TEST(RoomCodes, AreFourOfTheLettersThatNoOtherRhymesWith) {
    EXPECT_TRUE(isRoomCode("KQXW"));
    EXPECT_FALSE(isRoomCode("kqxw"));
    EXPECT_FALSE(isRoomCode("KQXB"));
    EXPECT_FALSE(isRoomCode("KQX"));
    EXPECT_EQ(spokenCode("KQXW"), "K, Q, X, W.");
}

// A board of three zones written by hand: Hill (links 2, 3) and Ford held by
// Anna, Moor by the computer player Jo, in Anna's placing phase with 4 points.
const std::string handBoard =
    R"({"type":"board","move":9,"map":"Tiny","zones":[{"name":"Hill","links":[2,3],"owner":1,"army":3},)"
    R"({"name":"Ford","links":[1],"owner":1,"army":1},{"name":"Moor","links":[],"owner":2,"army":8}],)"
    R"("seats":[{"name":"Anna","kind":"person","connected":true,"out":false,"away":false,"started":true,"points":4},)"
    R"({"name":"Jo","kind":"computer","connected":false,"out":false,"away":false,"started":true,"points":0}],)"
    R"("turn":1,"phase":"place","points":4,"attackFrom":0})";

TEST(ServerMessages, ABoardWrittenByHandReadsToItsPosition) {
    const ServerParse parsed = parseServerMessage(handBoard, nullptr);
    ASSERT_TRUE(parsed.message) << parsed.error;
    const Board& board = parsed.message->board;
    EXPECT_EQ(parsed.message->move, 9);
    EXPECT_EQ(board.mapName(), "Tiny");
    EXPECT_EQ(board.zoneCount(), 3);
    EXPECT_EQ(board.zoneName(3), "Moor");
    EXPECT_EQ(board.linkCount(1), 2);
    EXPECT_EQ(board.links(1, 2), 3);
    EXPECT_EQ(board.linkCount(3), 0);
    EXPECT_EQ(board.zoneOwner[3], 2);
    EXPECT_EQ(board.zoneArmy[3], 8);
    EXPECT_EQ(board.playerCount, 2);
    EXPECT_EQ(board.playerName[2], "Jo");
    EXPECT_EQ(board.isComputer[2], 1);
    EXPECT_EQ(board.points[1], 4);
    EXPECT_EQ(board.placingPoints, 1);
    EXPECT_EQ(board.choosingStart, 0);
    EXPECT_FALSE(board.gameOver);
    EXPECT_TRUE(parsed.message->seats[0].connected);
    // Written again, the same board gives the same text.
    EXPECT_EQ(encodeBoard(board, parsed.message->seats, 9, true, true), handBoard);
}

TEST(ServerMessages, AMoveIsWrittenWithTheFieldsEachOutcomeFills) {
    Played played{.kind = Played::Kind::Move, .seat = 2, .move = Move::attack(7, 12)};
    played.outcomes = {{.kind = Outcome::Kind::BattleWon, .player = 2, .zone = 12, .from = 7, .defender = 1,
                        .roll1 = 17, .roll2 = 9, .army = 3, .name = "Anna"},
                       {.kind = Outcome::Kind::PlayerOut, .player = 1, .name = "Anna"}};
    EXPECT_EQ(encodeEvents(5, played),
              R"({"type":"events","move":5,"seat":2,"by":"move","play":{"type":"attack","from":7,"to":12},)"
              R"("events":[{"kind":"battleWon","player":2,"zone":12,"from":7,"defender":1,"rolls":[17,9],)"
              R"("army":3,"name":"Anna"},{"kind":"playerOut","player":1,"name":"Anna"}]})");
    Played computer{.kind = Played::Kind::ComputerMove, .seat = 3};
    computer.placed[4] = 2;
    computer.outcomes = {{.kind = Outcome::Kind::ComputerPlaced, .player = 3, .army = 1}};
    EXPECT_EQ(encodeEvents(6, computer),
              R"({"type":"events","move":6,"seat":3,"by":"computer","placed":[{"zone":4,"points":2}],)"
              R"("events":[{"kind":"computerPlaced","player":3,"army":1}]})");
    EXPECT_EQ(encodeRefused(Refusal::TooWeak, "That zone is too weak."),
              R"({"type":"refused","reason":"That zone is too weak.","code":"tooWeak"})");
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(ServerMessages, HostileFormsAreRefusedNotFollowed) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {replaced(handBoard, "[2,3]", "[2,4]"), "Each link must be the number of a zone of the map."},
        {replaced(handBoard, "[2,3]", "[0]"), "Each link must be the number of a zone of the map."},
        {replaced(handBoard, "[2,3]", "[1,1,1,1,1,1,1,1,1,1,1]"), "The zone's links may hold at most 10 entries."},
        {replaced(handBoard, R"("owner":2)", R"("owner":3)"), "The zone's owner must be from 0 to 2."},
        {replaced(handBoard, R"("army":8)", R"("army":9)"), "The zone's army must be from 0 to 8."},
        {replaced(handBoard, R"("points":4})", R"("points":4}})"), "That message is not JSON."},
        {replaced(handBoard, R"("map":"Tiny",)", ""), "The board came without the map it is played on."},
        {replaced(handBoard, R"("phase":"place")", R"("phase":"dance")"),
         "The phase must be waiting, start, attack, place or over."},
        {replaced(handBoard, R"("turn":1)", R"("turn":3)"), "The turn must be from 0 to 2."},
        {R"({"type":"events","move":1,"seat":1,"by":"move","play":{"type":"end"},"events":[{"kind":"flood","player":1}]})",
         "That is not an event the game knows."},
        {R"({"type":"events","move":1,"seat":1,"by":"move","play":{"type":"end"},"events":[{"kind":"battleLost",)"
         R"("player":1,"zone":2,"from":1,"defender":2,"rolls":[3],"army":1}]})",
         "A battle has two rolls."},
        {R"({"type":"joined","room":"KQXW","seat":1})", "That message has no token."},
        {R"({"type":"chat","seat":1,"name":"Jo","text":"\u0007"})", "A chat line may not hold a control character."},
        {"{\"type\":\"error\",\"reason\":\"" + std::string(1024 * 1024, 'a') + "\"}", "That message is too long."},
    };
    for (const auto& [text, sentence] : cases) {
        const ServerParse parsed = parseServerMessage(text, nullptr);
        EXPECT_FALSE(parsed.message) << text.substr(0, 200);
        EXPECT_EQ(parsed.error, sentence) << text.substr(0, 200);
    }
    // A board without its map, on the map the client holds, is read.
    const ServerParse first = parseServerMessage(handBoard, nullptr);
    ASSERT_TRUE(first.message);
    EXPECT_TRUE(parseServerMessage(replaced(handBoard, R"("map":"Tiny",)", ""), first.message->board.map).message);
}

}  // namespace
}  // namespace sonarch::net
