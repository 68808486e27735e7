VERSION 5.00
Begin Host.Form Gallery
   Caption         =   "OpalineKit gallery"
   ClientHeight    =   3000
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   4800
   Begin Host.Label NameLabel
      Height          =   255
      Left            =   240
      TabIndex        =   0
      Top             =   300
      Width           =   1095
      Caption         =   "&Name:"
   End
   Begin Host.TextBox NameText
      Height          =   375
      Left            =   1440
      TabIndex        =   1
      Top             =   240
      Width           =   3015
      Text            =   "Opaline"
   End
   Begin Host.CommandButton OkButton
      Height          =   375
      Left            =   2160
      TabIndex        =   2
      Top             =   2400
      Width           =   1095
      Caption         =   "OK"
   End
   Begin Host.CommandButton CancelButton
      Height          =   375
      Left            =   3360
      TabIndex        =   3
      Top             =   2400
      Width           =   1095
      Caption         =   "Cancel"
   End
End
