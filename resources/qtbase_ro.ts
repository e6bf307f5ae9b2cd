<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Romanian texts for the parts of Qt that Tolvarine's window shows: the
     fields' context menu, the lists' and buttons' actions as a screen reader
     names them. Qt has no Romanian translation of its own. -->
<TS version="2.1" language="ro_RO" sourcelanguage="en">
<context>
    <name>QLineEdit</name>
    <message><source>&amp;Undo</source><translation>&amp;Anulează</translation></message>
    <message><source>&amp;Redo</source><translation>&amp;Refă</translation></message>
    <message><source>Cu&amp;t</source><translation>&amp;Taie</translation></message>
    <message><source>&amp;Copy</source><translation>&amp;Copiază</translation></message>
    <message><source>&amp;Paste</source><translation>&amp;Lipește</translation></message>
    <message><source>Delete</source><translation>Șt&amp;erge</translation></message>
    <message><source>Select All</source><translation>&amp;Selectează tot</translation></message>
</context>
<context>
    <name>QComboBox</name>
    <message><source>Open the combo box selection popup</source><translation>Deschide lista de opțiuni</translation></message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message><source>Press</source><translation>Apasă</translation></message>
    <message><source>Increase</source><translation>Mărește</translation></message>
    <message><source>Decrease</source><translation>Micșorează</translation></message>
    <message><source>ShowMenu</source><translation>Arată meniul</translation></message>
    <message><source>SetFocus</source><translation>Mută focalizarea aici</translation></message>
    <message><source>Toggle</source><translation>Comută</translation></message>
</context>
</TS>
