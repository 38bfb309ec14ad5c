<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>frmWar</name>
    <message numerus="yes">
        <source>Your pile, %n cards</source>
        <translation>
            <numerusform>Your pile, %n card</numerusform>
            <numerusform>Your pile, %n cards</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Grizzle&apos;s pile, %n cards</source>
        <translation>
            <numerusform>Grizzle&apos;s pile, %n card</numerusform>
            <numerusform>Grizzle&apos;s pile, %n cards</numerusform>
        </translation>
    </message>
</context>
</TS>
