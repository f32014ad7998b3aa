#include "app/Catalogue.h"

#include "app/GameFactory.h"

int CatalogueIndex(int gameId)
{
    const auto offered = OfferedGames();
    for (std::size_t i = 0; i < offered.size(); ++i)
        if (offered[i]->gameId == gameId)
            return static_cast<int>(i);
    return -1;
}

unsigned GameNameId(int gameId)
{
    const GameDescriptor* game = FindGameDescriptor(gameId);
    return game ? game->nameId : 0;
}

unsigned GameDescriptionId(int gameId)
{
    const GameDescriptor* game = FindGameDescriptor(gameId);
    return game ? game->chooser.descriptionId : 0;
}

std::span<const InstructionLine> InstructionLines(int gameId)
{
    const GameDescriptor* game = FindGameDescriptor(gameId);
    return game ? game->howToPlay : std::span<const InstructionLine>(kBareHowToPlay);
}
