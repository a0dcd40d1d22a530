// Computer player names: one draw for the list, then one for the entry.
// A name in both lists is twice as likely as the others; that is the game's
// way and is kept.
#include "rules/names.h"

#include <algorithm>
#include <cmath>


namespace sonarch {

namespace {

constexpr NameList firstList{{
    "Jacob",      "Ethan",    "Michael",  "Jayden",    "William",   "Alexander",   "Noah",
    "Daniel",     "Aiden",    "Anthony",  "Joshua",    "Mason",     "Christopher", "Andrew",
    "David",      "Matthew",  "Logan",    "Elijah",    "James",     "Joseph",      "Gabriel",
    "Benjamin",   "Ryan",     "Samuel",   "Jackson",   "John",      "Nathan",      "Jonathan",
    "Christian",  "Liam",     "Dylan",    "Landon",    "Caleb",     "Tyler",       "Lucas",
    "Evan",       "Gavin",    "Nicholas", "Isaac",     "Brayden",   "Luke",        "Angel",
    "Brandon",    "Jack",     "Isaiah",   "Jordan",    "Owen",      "Carter",      "Connor",
    "Justin",     "Jose",     "Jeremiah", "Julian",    "Robert",    "Aaron",       "Adrian",
    "Wyatt",      "Kevin",    "Hunter",   "Cameron",   "Zachary",   "Thomas",      "Charles",
    "Austin",     "Eli",      "Chase",    "Henry",     "Sebastian", "Jason",       "Levi",
    "Xavier",     "Ian",      "Colton",   "Dominic",   "Juan",      "Cooper",      "Josiah",
    "Luis",       "Ayden",    "Carson",   "Adam",      "Nathaniel", "Brody",       "Tristan",
    "Diego",      "Parker",   "Blake",    "Oliver",    "Cole",      "Carlos",      "Jaden",
    "Jesus",      "Alex",     "Aidan",    "Eric",      "Hayden",    "Bryan",       "Max",
    "Jaxon",      "Brian",    "Bentley",  "Alejandro", "Sean",      "Nolan",       "Riley",
    "Kaden",      "Kyle",     "Micah",    "Vincent",   "Antonio",   "Colin",       "Bryce",
    "Miguel",     "Giovanni", "Timothy",  "Jake",      "Kaleb",     "Steven",      "Caden",
    "Bryson",     "Damian",   "Grayson",  "Kayden",    "Jesse",     "Brady",       "Ashton",
    "Richard",    "Victor",   "Patrick",  "Marcus",    "Preston",   "Joel",        "Santiago",
    "Maxwell",    "Ryder",    "Edward",   "Miles",     "Hudson",    "Asher",       "Devin",
    "Elias",      "Jeremy",   "Ivan",     "Jonah",     "Easton",    "Jace",        "Oscar",
    "Collin",     "Peyton",   "Leonardo", "Cayden",    "Gage",      "Eduardo",     "Emmanuel",
    "Grant",      "Alan",     "Conner",   "Cody",      "Wesley",    "Kenneth",     "Mark",
    "Nicolas",    "Malachi",  "George",   "Seth",      "Kaiden",    "Trevor",      "Jorge",
    "Derek",      "Jude",     "Braxton",  "Jaxson",    "Sawyer",    "Jaiden",      "Omar",
    "Tanner",     "Travis",   "Paul",     "Camden",    "Maddox",    "Andres",      "Cristian",
    "Rylan",      "Josue",    "Roman",    "Bradley",   "Axel",      "Fernando",    "Garrett",
    "Javier",     "Damien",   "Peter",    "Leo",       "Abraham",   "Ricardo",     "Francisco",
    "Lincoln",    "Erick",    "Drake",    "Shane",     "Cesar",     "Stephen",     "Jaylen",
    "Tucker",     "Kai",      "Landen",   "Braden",    "Mario",     "Edwin",       "Avery",
    "Manuel",     "Trenton",  "Ezekiel",  "Kingston",  "Calvin",    "Edgar",       "Johnathan",
    "Donovan",    "Alexis",   "Israel",   "Mateo",     "Silas",     "Jeffrey",     "Weston",
    "Raymond",    "Hector",   "Spencer",  "Andre",     "Brendan",   "Zion",        "Griffin",
    "Lukas",      "Maximus",  "Harrison", "Andy",      "Braylon",   "Tyson",       "Shawn",
    "Sergio",     "Zane",     "Emiliano", "Jared",     "Ezra",      "Charlie",     "Keegan",
    "Chance",     "Drew",     "Troy",     "Greyson",   "Corbin",    "Simon",       "Clayton",
    "Myles",      "Xander",   "Dante",    "Erik",      "Rafael",    "Martin",      "Dominick",
    "Dalton",     "Cash",     "Skyler",   "Theodore",  "Marco",     "Caiden",      "Johnny",
    "Ty",         "Gregory",  "Kyler",    "Roberto",   "Brennan",   "Luca",        "Emmett",
    "Kameron",    "Declan",   "Quinn",    "Jameson",   "Amir",      "Bennett",     "Colby",
    "Pedro",      "Emanuel",  "Malik",    "Graham",    "Dean",      "Jasper",      "Everett",
    "Aden",       "Dawson",   "Angelo",   "Reid",      "Abel",      "Dakota",      "Zander",
    "Paxton",     "Ruben",    "Judah",    "Jayce",     "Jakob",     "Finn",        "Elliot",
    "Frank",      "Lane",     "Fabian",   "Dillon",    "Brock",     "Derrick",     "Emilio",
    "Joaquin",    "Marcos",   "Ryker",    "Anderson",  "Grady",     "Devon",       "Elliott",
    "Holden",     "Amari",    "Dallas",   "Corey",     "Danny",     "Cruz",        "Lorenzo",
    "Allen",      "Trey",     "Leland",   "Armando",   "Rowan",     "Taylor",      "Cade",
    "Colt",       "Felix",    "Adan",     "Jayson",    "Tristen",   "Julius",      "Raul",
    "Braydon",    "Zayden",   "Julio",    "Nehemiah",  "Darius",    "Ronald",      "Louis",
    "Trent",      "Keith",    "Payton",   "Enrique",   "Jax",       "Randy",       "Scott",
    "Desmond",    "Gerardo",  "Jett",     "Dustin",    "Phillip",   "Beckett",     "Ali",
    "Romeo",      "Kellen",   "Cohen",    "Pablo",     "Ismael",    "Jaime",       "Brycen",
    "Larry",      "Kellan",   "Keaton",   "Gunner",    "Braylen",   "Brayan",      "Landyn",
    "Walter",     "Jimmy",    "Marshall", "Beau",      "Saul",      "Donald",      "Esteban",
    "Karson",     "Reed",     "Phoenix",  "Brenden",   "Tony",      "Kade",        "Jamari",
    "Jerry",      "Mitchell", "Colten",   "Arthur",    "Brett",     "Dennis",      "Rocco",
    "Jalen",      "Tate",     "Chris",    "Quentin",   "Titus",     "Casey",       "Brooks",
    "Izaiah",     "Mathew",   "King",     "Philip",    "Zackary",   "Darren",      "Russell",
    "Gael",       "Albert",   "Braeden",  "Dane",      "Gustavo",   "Kolton",      "Cullen",
    "Jay",        "Rodrigo",  "Alberto",  "Leon",      "Alec",      "Damon",       "Arturo",
    "Waylon",     "Milo",     "Davis",    "Walker",    "Moises",    "Kobe",        "Curtis",
    "Matteo",     "August",   "Mauricio", "Marvin",    "Emerson",   "Maximilian",  "Reece",
    "Orlando",    "River",    "Bryant",   "Issac",     "Yahir",     "Uriel",       "Hugo",
    "Mohamed",    "Enzo",     "Karter",   "Lance",     "Porter",    "Maurice",     "Leonel",
    "Zachariah",  "Ricky",    "Joe",      "Johan",     "Nikolas",   "Dexter",      "Jonas",
    "Justice",    "Knox",     "Lawrence", "Salvador",  "Alfredo",   "Gideon",      "Maximiliano",
    "Nickolas",   "Talon",    "Byron",    "Orion",     "Solomon",   "Braiden",     "Alijah",
    "Kristopher", "Rhys",     "Gary",     "Jacoby",    "Davion",    "Jamarion",    "Pierce",
    "Sam",        "Cason",    "Noel",     "Ramon",     "Kason",     "Mekhi",       "Shaun",
    "Warren",     "Douglas",  "Ernesto",  "Ibrahim",   "Armani",    "Cyrus",       "Quinton",
    "Isaias",     "Reese",    "Jaydon",   "Ryland",    "Terry",     "Frederick",   "Chandler",
    "Jamison",    "Deandre",  "Dorian",
}};

constexpr NameList secondList{{
    "Isabella",  "Sophia",     "Emma",       "Olivia",     "Ava",        "Emily",     "Abigail",
    "Madison",   "Chloe",      "Mia",        "Addison",    "Elizabeth",  "Ella",      "Natalie",
    "Samantha",  "Alexis",     "Lily",       "Grace",      "Hailey",     "Alyssa",    "Lillian",
    "Hannah",    "Avery",      "Leah",       "Nevaeh",     "Sofia",      "Ashley",    "Anna",
    "Brianna",   "Sarah",      "Zoe",        "Victoria",   "Gabriella",  "Brooklyn",  "Kaylee",
    "Taylor",    "Layla",      "Allison",    "Evelyn",     "Riley",      "Amelia",    "Khloe",
    "Makayla",   "Aubrey",     "Charlotte",  "Savannah",   "Zoey",       "Bella",     "Kayla",
    "Alexa",     "Peyton",     "Audrey",     "Claire",     "Arianna",    "Julia",     "Aaliyah",
    "Kylie",     "Lauren",     "Sophie",     "Sydney",     "Camila",     "Jasmine",   "Morgan",
    "Alexandra", "Jocelyn",    "Gianna",     "Maya",       "Kimberly",   "Mackenzie", "Katherine",
    "Destiny",   "Brooke",     "Trinity",    "Faith",      "Lucy",       "Madelyn",   "Madeline",
    "Bailey",    "Payton",     "Andrea",     "Autumn",     "Melanie",    "Ariana",    "Serenity",
    "Stella",    "Maria",      "Molly",      "Caroline",   "Genesis",    "Kaitlyn",   "Eva",
    "Jessica",   "Angelina",   "Valeria",    "Gabrielle",  "Naomi",      "Mariah",    "Natalia",
    "Paige",     "Rachel",     "Mya",        "Rylee",      "Katelyn",    "Ellie",     "Isabelle",
    "Vanessa",   "Lilly",      "London",     "Mary",       "Kennedy",    "Lydia",     "Jordyn",
    "Ruby",      "Scarlett",   "Jade",       "Isabel",     "Annabelle",  "Sadie",     "Harper",
    "Jennifer",  "Sara",       "Nicole",     "Violet",     "Liliana",    "Michelle",  "Stephanie",
    "Reagan",    "Jada",       "Adriana",    "Gracie",     "Megan",      "Jayla",     "Kendall",
    "Lyla",      "Amy",        "Reese",      "Rebecca",    "Laila",      "Kylee",     "Izabella",
    "Jenna",     "Brooklynn",  "Aliyah",     "Piper",      "Juliana",    "Mckenzie",  "Giselle",
    "Gabriela",  "Valerie",    "Daniela",    "Daisy",      "Valentina",  "Makenzie",  "Haley",
    "Lila",      "Ashlyn",     "Melissa",    "Vivian",     "Nora",       "Angela",    "Katie",
    "Hayden",    "Elena",      "Summer",     "Eleanor",    "Keira",      "Clara",     "Jillian",
    "Eliana",    "Alana",      "Jacqueline", "Alice",      "Adrianna",   "Alivia",    "Miranda",
    "Julianna",  "Aniyah",     "Jordan",     "Mikayla",    "Eden",       "Skylar",    "Margaret",
    "Briana",    "Ryleigh",    "Shelby",     "Josephine",  "Delilah",    "Amanda",    "Allie",
    "Addyson",   "Diana",      "Brielle",    "Catherine",  "Angel",      "Danielle",  "Elise",
    "Leslie",    "Melody",     "Ana",        "Penelope",   "Makenna",    "Aurora",    "Marissa",
    "Leila",     "Alexandria", "Kendra",     "Alaina",     "Delaney",    "Kate",      "Sienna",
    "Lola",      "Jayden",     "Ariel",      "Erin",       "Sierra",     "Hadley",    "Miley",
    "Carly",     "Sabrina",    "Alicia",     "Tessa",      "Chelsea",    "Aubree",    "Amber",
    "Maggie",    "Amaya",      "Cadence",    "Mckenna",    "Cheyenne",   "Kathryn",   "Kinley",
    "Maci",      "Kelsey",     "Marley",     "Alayna",     "Jayda",      "Callie",    "Paisley",
    "Ashlynn",   "Eliza",      "Lexi",       "Alexia",     "Teagan",     "Kayleigh",  "Hope",
    "Karen",     "Nadia",      "Cassidy",    "Harmony",    "Alondra",    "Jazmin",    "Breanna",
    "Quinn",     "Christina",  "Kyla",       "Adalyn",     "Fiona",      "Kaydence",  "Allyson",
    "Josie",     "Mariana",    "Hazel",      "Haylee",     "Alina",      "Lucia",     "Danna",
    "Esther",    "Leilani",    "Alison",     "Fatima",     "Jazmine",    "Ximena",    "Camille",
    "Presley",   "Laura",      "Cora",       "Cecilia",    "Alejandra",  "Genevieve", "Bianca",
    "Camryn",    "Mallory",    "Esmeralda",  "Abby",       "Juliet",     "Brynn",     "Dakota",
    "Karina",    "Londyn",     "Willow",     "Kara",       "Macy",       "Maddison",  "Kyleigh",
    "Veronica",  "Daniella",   "Isla",       "Norah",      "Ivy",        "Caitlyn",   "Kamryn",
    "Malia",     "Heidi",      "Miriam",     "Joanna",     "Kelly",      "Kinsley",   "Kira",
    "Phoebe",    "Annabella",  "Tiffany",    "Emery",      "Katelynn",   "Carmen",    "Emerson",
    "Iris",      "Emely",      "Crystal",    "Nina",       "Madeleine",  "Rylie",     "Adeline",
    "Karla",     "Heaven",     "Kiara",      "Georgia",    "Paris",      "Cassandra", "Guadalupe",
    "Selena",    "Lilah",      "Madilyn",    "Evangeline", "Tiana",      "Tatum",     "Aniya",
    "Rose",      "Madisyn",    "Kaelyn",     "Caitlin",    "Audrina",    "Fernanda",  "Luna",
    "Sasha",     "Angelica",   "Jasmin",     "Lilliana",   "Ruth",       "Kyra",      "Emilia",
    "Ayla",      "Janiyah",    "Ainsley",    "Courtney",   "Yaretzi",    "Aria",      "Lia",
    "Maliyah",   "Raegan",     "Athena",     "Madalyn",    "Tatiana",    "Monica",    "Mila",
    "Anastasia", "Noelle",     "Julissa",    "Jaelyn",     "Bethany",    "Imani",     "Juliette",
    "Kenzie",    "Macie",      "Savanna",    "Jamie",      "Giuliana",   "Kiley",     "April",
    "Joselyn",   "Cynthia",    "Kailey",     "Lena",       "Alessandra", "Jane",      "Adelyn",
    "Arabella",  "Nayeli",     "Carolina",   "Julie",      "Gia",        "Kaylie",    "Michaela",
    "Amiyah",    "Janelle",    "Annie",      "Baylee",     "Elaina",     "Madelynn",  "Kaylin",
    "Jimena",    "Lindsey",    "Lyric",      "Addisyn",    "Rebekah",    "Nyla",      "Anya",
    "Jazlyn",    "Finley",     "Dulce",      "Melany",     "Itzel",      "Holly",     "Scarlet",
    "Talia",     "Cameron",    "Cali",       "Angie",      "Kiera",      "Elle",      "Estrella",
    "Elliana",   "Journey",    "Sarai",      "Erica",      "Danica",     "Brenda",    "Brittany",
    "Vivienne",  "Erika",      "Hayley",     "Mikaela",    "Kamila",     "Harley",    "Adelaide",
    "Brylee",    "Nataly",     "Helen",      "Kadence",    "Kailyn",     "Johanna",   "Lacey",
    "Aubrie",    "Ciara",      "Madyson",    "Adalynn",    "Shayla",     "Janiya",    "Bridget",
    "Gemma",     "Lilian",     "Paola",      "Jayleen",    "Lillie",     "Serena",    "Aleah",
    "Braelyn",   "Celeste",    "Tenley",     "Natasha",    "Kassidy",    "Amari",     "Charlie",
    "Brisa",     "Dana",       "Parker",     "Aileen",     "Annika",     "Lexie",     "Nia",
    "Brenna",    "Sage",       "Emilee",     "Jaliyah",    "Desiree",    "Anabelle",  "Anahi",
    "Skyler",    "Anaya",      "Dayana",     "Kayden",     "Lana",       "Lucille",   "Lilyana",
    "Logan",     "Viviana",    "Joy",        "Priscilla",  "Daphne",     "Denise",    "Skye",
    "Zariah",    "Kennedi",    "Rowan",      "Francesca",  "Elisa",      "Jaylynn",   "Amira",
    "Lizbeth",   "Kimora",     "Kenley",
}};

// floor(u * count) + 1; a number outside 0 <= u < 1 from a misbehaving
// source still names an entry.
int drawFrom(double u, int count) {
    if (!(u >= 0.0)) return 1;
    if (u >= 1.0) return count;
    return std::min(static_cast<int>(std::floor(u * count)) + 1, count);
}

}  // namespace

const NameList& nameList(int which) { return which == 2 ? secondList : firstList; }

std::string pickName(RandomSource& random) {
    const int list = drawFrom(random.next(), 2);
    const int entry = drawFrom(random.next(), namesPerList);
    return std::string(nameList(list)[entry - 1]);
}

}  // namespace sonarch
